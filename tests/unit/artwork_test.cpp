// The menu's own form resource and artwork, as the program reads them.

#include <cstring>
#include <span>
#include <vector>

#include "embedded.h"
#include "core/icon.h"
#include "menu_fixture.h"

namespace {

using Resource = MenuTest;

TEST_F(Resource, SetsTheWindowsProperties) {
  EXPECT_EQ(AutoForm->Name, "AutoForm");
  EXPECT_EQ(AutoForm->Left, 246);
  EXPECT_EQ(AutoForm->Top, 183);
  EXPECT_EQ(AutoForm->BorderStyle, TFormBorderStyle::bsNone);
  EXPECT_EQ(AutoForm->BorderWidth, 1);
  EXPECT_EQ(AutoForm->Caption, "安装QuendraTalvex 3G ASP");
  EXPECT_EQ(AutoForm->ClientWidth, 633);
  EXPECT_EQ(AutoForm->ClientHeight, 421);
  EXPECT_EQ(AutoForm->Color, clMenu);
  EXPECT_EQ(AutoForm->Position, TPosition::poScreenCenter);
  EXPECT_EQ(AutoForm->Font.Name, "MS Sans Serif");
  EXPECT_EQ(AutoForm->Font.Height, -11);
  EXPECT_EQ(AutoForm->Font.Charset, TFontCharset::DEFAULT_CHARSET);
  EXPECT_EQ(AutoForm->Font.Color, clWindowText);
  EXPECT_EQ(AutoForm->Font.Style, 0u);
  EXPECT_EQ(AutoForm->PixelsPerInch, 96);
  EXPECT_EQ(AutoForm->TextHeight, 13);
  EXPECT_FALSE(AutoForm->OldCreateOrder);
}

struct ControlRow {
  TImage* TAutoForm::*Field;
  const char* Name;
  int Tag;
  TRect Bounds;
  bool Visible;
  bool Moves;  // OnMouseMove is set, else OnClick
  int PictureWidth;
  int PictureHeight;
};

// An entry's picture: hidden, taking clicks, with its tag and bounds from
// the table of entries.
ControlRow EntryPicture(TImage* TAutoForm::*Field, const char* Name) {
  const MenuEntry& E = EntryShownBy(Field);
  return {Field, Name, E.Tag, E.Rect, false, false, 214, 31};
}

// In the order of creation, the background first.
std::vector<ControlRow> ControlRows() {
  return {
    {&TAutoForm::Image1, "Image1", 1, {0, 0, 633, 425}, true, true, 634, 428},
    EntryPicture(&TAutoForm::Image2, "Image2"),
    EntryPicture(&TAutoForm::Image3, "Image3"),
    EntryPicture(&TAutoForm::Image4, "Image4"),
    EntryPicture(&TAutoForm::Image5, "Image5"),
    EntryPicture(&TAutoForm::Image6, "Image6"),
    EntryPicture(&TAutoForm::Image7, "Image7"),
    EntryPicture(&TAutoForm::Image8, "Image8"),
  };
}

TEST_F(Resource, CreatesTheEightPicturesInOrderWithTheirPropertiesAndEvents) {
  const std::vector<ControlRow> Rows = ControlRows();
  const auto Stack = AutoForm->Controls();
  ASSERT_EQ(Stack.size(), std::size(Rows));
  for (std::size_t I = 0; I < std::size(Rows); ++I) {
    const ControlRow& Row = Rows[I];
    SCOPED_TRACE(Row.Name);
    TImage* Image = AutoForm->*Row.Field;
    EXPECT_EQ(Stack[I], Image);
    EXPECT_EQ(Image->Name, Row.Name);
    EXPECT_EQ(Image->Tag, Row.Tag);
    EXPECT_EQ(Image->BoundsRect(), Row.Bounds);
    EXPECT_EQ(static_cast<bool>(Image->Visible), Row.Visible);
    EXPECT_EQ(static_cast<bool>(Image->OnMouseMove), Row.Moves);
    EXPECT_EQ(static_cast<bool>(Image->OnClick), !Row.Moves);
    EXPECT_EQ(Image->Picture.Bitmap.Width, Row.PictureWidth);
    EXPECT_EQ(Image->Picture.Bitmap.Height, Row.PictureHeight);
  }
}

TEST_F(Resource, EachButtonIsALitCopyOfItsBarInTheBackground) {
  const std::vector<ControlRow> Rows = ControlRows();
  const TBitmap& Background = AutoForm->Image1->Picture.Bitmap;
  for (std::size_t I = 1; I < std::size(Rows); ++I) {
    SCOPED_TRACE(Rows[I].Name);
    const TImage* Button = AutoForm->*Rows[I].Field;
    int Lighter = 0;
    for (int Y = 0; Y < Button->Height; ++Y)
      for (int X = 0; X < Button->Width; ++X) {
        const std::uint32_t Lit = Button->Picture.Bitmap.Pixel(X, Y);
        const std::uint32_t Plain = Background.Pixel(Button->Left + X, Button->Top + Y);
        for (int Shift : {0, 8, 16}) ASSERT_GE(Lit >> Shift & 0xFF, Plain >> Shift & 0xFF) << X << "," << Y;
        Lighter += Lit != Plain;
      }
    // The bar covers most of the picture; its rounded corners stay as they are.
    EXPECT_GT(Lighter, Button->Width * Button->Height * 3 / 4);
  }
}

TEST(Icon, HoldsA32And16PixelImageOf24BitsWithSomethingVisibleInEach) {
  std::span<const std::uint8_t> File;
  for (const vcl::TEmbeddedResource* R = vcl::EmbeddedResources; R->Name; ++R)
    if (std::strcmp(R->Name, "MAINICON") == 0) File = {R->Data, R->Size};
  const auto Images = vcl::core::DecodeIcon(File);
  ASSERT_EQ(Images.size(), 2u);
  EXPECT_EQ(Images[0].Colour.Width, 32);
  EXPECT_EQ(Images[1].Colour.Width, 16);
  for (const auto& Image : Images) {
    int Opaque = 0;
    for (int Y = 0; Y < Image.Colour.Height; ++Y)
      for (int X = 0; X < Image.Colour.Width; ++X) Opaque += Image.Argb(X, Y) >> 24 == 0xFF;
    EXPECT_GT(Opaque, Image.Colour.Width * Image.Colour.Height / 2);
  }
}

}  // namespace
