// The menu's own form resource and artwork, as the program reads them.

#include <cstring>
#include <span>

#include "embedded.h"
#include "menu_fixture.h"

namespace {

using Resource = MenuTest;

TEST_F(Resource, SetsTheWindowsProperties) {
  EXPECT_EQ(AutoForm->Name, "AutoForm");
  EXPECT_EQ(AutoForm->Left, 246);
  EXPECT_EQ(AutoForm->Top, 183);
  EXPECT_EQ(AutoForm->BorderStyle, TFormBorderStyle::bsNone);
  EXPECT_EQ(AutoForm->BorderWidth, 1);
  EXPECT_EQ(AutoForm->Caption, reinterpret_cast<const char*>(u8"安装QuendraTalvex 3G ASP"));
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

const ControlRow Rows[] = {
    {&TAutoForm::Image1, "Image1", 1, {0, 0, 633, 425}, true, true, 634, 428},
    {&TAutoForm::Image2, "Image2", 2, {391, 48, 605, 79}, false, false, 214, 31},
    {&TAutoForm::Image3, "Image3", 3, {391, 86, 605, 117}, false, false, 214, 31},
    {&TAutoForm::Image4, "Image4", 4, {391, 123, 605, 154}, false, false, 214, 31},
    {&TAutoForm::Image5, "Image5", 5, {391, 161, 605, 192}, false, false, 214, 31},
    {&TAutoForm::Image6, "Image6", 7, {391, 354, 605, 385}, false, false, 214, 31},
    {&TAutoForm::Image7, "Image7", 8, {391, 278, 605, 309}, false, false, 214, 31},
    {&TAutoForm::Image8, "Image8", 6, {391, 241, 605, 272}, false, false, 214, 31},
};

TEST_F(Resource, CreatesTheEightPicturesInOrderWithTheirPropertiesAndEvents) {
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

std::span<const std::uint8_t> Embedded(const char* Name) {
  for (const vcl::TEmbeddedResource* R = vcl::EmbeddedResources; R->Name; ++R)
    if (std::strcmp(R->Name, Name) == 0) return {R->Data, R->Size};
  return {};
}

std::uint32_t U32(std::span<const std::uint8_t> B, std::size_t At) {
  return B[At] | B[At + 1] << 8 | B[At + 2] << 16 | static_cast<std::uint32_t>(B[At + 3]) << 24;
}

TEST(Icon, HoldsA32And16PixelImageOf24Bits) {
  const auto Icon = Embedded("MAINICON");
  ASSERT_GE(Icon.size(), 6u + 2 * 16);
  EXPECT_EQ(Icon[0] | Icon[1] << 8, 0);  // reserved
  EXPECT_EQ(Icon[2] | Icon[3] << 8, 1);  // an icon, not a cursor
  ASSERT_EQ(Icon[4] | Icon[5] << 8, 2);
  std::vector<int> Sizes;
  for (std::size_t Entry = 6; Entry < 6 + 2 * 16; Entry += 16) {
    const int Side = Icon[Entry] ? Icon[Entry] : 256;
    EXPECT_EQ(Icon[Entry + 1], Icon[Entry]);
    EXPECT_EQ(Icon[Entry + 6] | Icon[Entry + 7] << 8, 24);
    const std::uint32_t Size = U32(Icon, Entry + 8), Offset = U32(Icon, Entry + 12);
    ASSERT_LE(std::size_t{Offset} + Size, Icon.size());
    // The image is a DIB with the colour rows and the mask: twice as tall.
    EXPECT_EQ(U32(Icon, Offset), 40u);
    EXPECT_EQ(static_cast<int>(U32(Icon, Offset + 4)), Side);
    EXPECT_EQ(static_cast<int>(U32(Icon, Offset + 8)), 2 * Side);
    EXPECT_EQ(Icon[Offset + 14], 24);
    const std::size_t Colour = static_cast<std::size_t>(Side) * Side * 3;
    const std::size_t Mask = static_cast<std::size_t>((Side + 31) / 32 * 4) * Side;
    EXPECT_EQ(Size, 40 + Colour + Mask);
    Sizes.push_back(Side);
  }
  EXPECT_EQ(Sizes, (std::vector<int>{32, 16}));
}

}  // namespace
