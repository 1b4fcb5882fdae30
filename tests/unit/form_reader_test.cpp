// Reading a form from its form stream: what a good stream builds, and the
// clear failure, with nothing built, of every kind of bad one.

#include <span>
#include <string>

#include "test_form.h"

namespace {

using namespace testing_streams;

using FormReader = TestFormTest;

TEST_F(FormReader, BuildsTheFormItsControlsAndTheirHandlers) {
  Build();
  EXPECT_EQ(Form->Name, "TestForm");
  EXPECT_EQ(Form->BorderStyle, TFormBorderStyle::bsNone);
  EXPECT_EQ(Form->ClientWidth, TestWidth);
  EXPECT_EQ(Form->ClientHeight, TestHeight);
  EXPECT_EQ(Form->Color, clMenu);
  ASSERT_NE(Form->Back, nullptr);
  ASSERT_NE(Form->Button, nullptr);
  ASSERT_EQ(Form->Controls().size(), 2u);
  EXPECT_EQ(Form->Controls()[0], Form->Back);  // in creation order, bottom first
  EXPECT_EQ(Form->Controls()[1], Form->Button);
  EXPECT_EQ(Form->Button->Name, "Button");
  EXPECT_EQ(Form->Button->Tag, 5);
  EXPECT_EQ(Form->Button->BoundsRect(), ButtonRect);
  EXPECT_FALSE(Form->Button->Visible);
  EXPECT_TRUE(Form->Back->Visible);
  EXPECT_EQ(Form->Back->Picture.Bitmap.Width, 102);
  EXPECT_EQ(Form->Back->Picture.Bitmap.Height, 86);
  EXPECT_EQ(Form->Back->Picture.Bitmap.Pixel(7, 3), BackColor(7, 3));
  EXPECT_EQ(Form->Back->Picture.Bitmap.Pixel(101, 85), BackColor(101, 85));
  EXPECT_EQ(Form->Button->Picture.Bitmap.Pixel(29, 9), ButtonColor);
  EXPECT_EQ(fake::State().Window, Form);
  EXPECT_NE(Form->Handle(), nullptr);

  Form->Button->OnClick(Form->Button);
  Form->Back->OnMouseMove(Form->Back, {}, 3, 4);
  EXPECT_EQ(Form->Clicks, std::vector<TObject*>{Form->Button});
  EXPECT_EQ(Form->Moves, (std::vector<TTestForm::Move>{{Form->Back, {3, 4}}}));
}

TEST_F(FormReader, LeavesThePixelsWhereTheyLieInTheResource) {
  Build();
  const auto& Stream = fake::State().Resources["TTESTFORM"];
  const auto* Pixels = Form->Back->Picture.Bitmap.Pixels;
  EXPECT_GE(Pixels, Stream.data());
  EXPECT_LT(Pixels, Stream.data() + Stream.size());
}

struct BadStream {
  const char* Case;
  Bytes Stream;
  const char* Message;  // a part of the exception's message
};

// A test form stream with the background's picture replaced by File.
Bytes WithBackground(const Bytes& Picture) {
  StreamBuilder S;
  S.Object("TTestForm", "TestForm").Int("ClientWidth", 10).Int("ClientHeight", 10).End();
  S.Object("TImage", "Back").Binary("Picture.Data", Picture).End().End();
  S.Object("TImage", "Button").End().End();
  S.End();
  return S.Stream();
}

Bytes Patched(Bytes File, std::size_t At, std::uint32_t Value) {
  SetU32(File, At, Value);
  return File;
}

Bytes Patched16(Bytes File, std::size_t At, std::uint16_t Value) {
  File[At] = static_cast<std::uint8_t>(Value);
  File[At + 1] = static_cast<std::uint8_t>(Value >> 8);
  return File;
}

// A form with one property or control changed; Form and Back take Extra.
Bytes FormWith(const std::function<void(StreamBuilder&)>& FormExtra,
               const std::function<void(StreamBuilder&)>& BackExtra = {}) {
  StreamBuilder S;
  S.Object("TTestForm", "TestForm");
  FormExtra(S);
  S.End();
  S.Object("TImage", "Back");
  if (BackExtra) BackExtra(S);
  S.End().End();
  S.Object("TImage", "Button").End().End();
  S.End();
  return S.Stream();
}

std::vector<BadStream> BadStreams() {
  const Bytes Good = SolidBitmap(4, 3, 0x123456);
  auto Nothing = [](StreamBuilder&) {};
  std::vector<BadStream> Cases = {
      {"EmptyStream", {}, "not found"},
      {"NoSignature", {'T', 'P', 'F', '1', 0}, "signature TPF0"},
      {"OtherFormClass", StreamBuilder().Object("TOtherForm", "X").End().End().Stream(), "not a TTestForm"},
      {"UnknownFormProperty", FormWith([](StreamBuilder& S) { S.Int("Opacity", 3); }), "property Opacity"},
      {"IntegerAsText", FormWith([](StreamBuilder& S) { S.String("ClientWidth", "wide"); }), "not an integer"},
      {"NegativeSize", FormWith([](StreamBuilder& S) { S.Int("ClientWidth", -5); }), "outside"},
      {"HugeSize", FormWith([](StreamBuilder& S) { S.Int("ClientHeight", 1LL << 40); }), "outside"},
      {"UnknownEnum", FormWith([](StreamBuilder& S) { S.Ident("BorderStyle", "bsRound"); }), "bsRound"},
      {"UnknownColour", FormWith([](StreamBuilder& S) { S.Ident("Color", "clPuce"); }), "clPuce"},
      {"UnknownFontStyle", FormWith([](StreamBuilder& S) { S.Set("Font.Style", {"fsShadow"}); }), "fsShadow"},
      {"NonAsciiShortString", FormWith([](StreamBuilder& S) { S.String("Caption", "\xB0\xB2"); }), "non-ASCII"},
      {"UnsupportedValueType", FormWith([](StreamBuilder& S) { S.Raw({5, 'T', 'e', 'x', 't', 'X', 13}); }),
       "value type 13"},
      {"UnknownValueType", FormWith([](StreamBuilder& S) { S.Raw({1, 'X', 99}); }), "unknown value type 99"},
      {"UnknownImageProperty", FormWith(Nothing, [](StreamBuilder& S) { S.Bool("Stretch", true); }),
       "property Stretch"},
      {"UnknownHandler", FormWith(Nothing, [](StreamBuilder& S) { S.Ident("OnClick", "Nowhere"); }),
       "no published handler Nowhere"},
      {"HandlerOfTheWrongKind", FormWith(Nothing, [](StreamBuilder& S) { S.Ident("OnClick", "BackMove"); }),
       "other arguments"},
      {"PictureNotBinary", FormWith(Nothing, [](StreamBuilder& S) { S.String("Picture.Data", "x"); }),
       "not binary"},
      {"UnknownClass", StreamBuilder().Object("TTestForm", "TestForm").End().Object("TButton", "Back").End().End().End().Stream(),
       "unknown class TButton"},
      {"UnknownField", StreamBuilder().Object("TTestForm", "TestForm").End().Object("TImage", "Extra").End().End().End().Stream(),
       "no published field Extra"},
      {"MissingControl", StreamBuilder().Object("TTestForm", "TestForm").End().Object("TImage", "Back").End().End().End().Stream(),
       "no control Button"},
      {"ControlTwice",
       StreamBuilder().Object("TTestForm", "TestForm").End()
           .Object("TImage", "Back").End().End().Object("TImage", "Back").End().End().End().Stream(),
       "second control named Back"},
      {"ControlInsideAControl",
       StreamBuilder().Object("TTestForm", "TestForm").End()
           .Object("TImage", "Back").End().Object("TImage", "Button").End().End().End().End().Stream(),
       "cannot hold controls"},
      {"InheritedObject", StreamBuilder().Raw({0xF1}).Object("TTestForm", "TestForm").End().End().Stream(),
       "inherited"},
      {"DataAfterTheForm", [] { Bytes B = TestFormStream(); B.push_back(0); return B; }(), "after the form"},
      {"PictureOfAnotherClass", WithBackground(PictureData(Good, "TJPEGImage")), "TJPEGImage"},
      {"PictureSizeDisagrees", WithBackground(Patched(PictureData(Good), 8, 7)), "stated size"},
      {"NotABmp", WithBackground(PictureData(Patched16(Good, 0, 0x5089))), "not a BMP"},
      {"BmpFileSizeDisagrees", WithBackground(PictureData(Patched(Good, 2, 9999))), "file size"},
      {"EightBitBmp", WithBackground(PictureData(Patched16(Good, 28, 8))), "8 bits per pixel"},
      {"CompressedBmp", WithBackground(PictureData(Patched(Good, 30, 1))), "compressed"},
      {"TopDownBmp", WithBackground(PictureData(Patched(Good, 22, static_cast<std::uint32_t>(-3)))), "top-down"},
      {"ZeroWidthBmp", WithBackground(PictureData(Patched(Good, 18, 0))), "size 0 x 3"},
      {"BmpTallerThanItsPixels", WithBackground(PictureData(Patched(Good, 22, 4000))), "do not fit"},
      {"BmpPixelsBeyondTheEnd", WithBackground(PictureData(Patched(Good, 10, 60))), "do not fit"},
      {"BmpHeaderTooBig", WithBackground(PictureData(Patched(Good, 14, 4096))), "header size"},
  };
  return Cases;
}

class BadFormStream : public TestFormTest, public ::testing::WithParamInterface<BadStream> {};

TEST_P(BadFormStream, IsAClearExceptionAndBuildsNothing) {
  const BadStream& Case = GetParam();
  try {
    Build(Case.Stream);
    FAIL() << "the stream was read";
  } catch (const Exception& E) {
    EXPECT_NE(std::string(E.Message.c_str()).find(Case.Message), std::string::npos) << E.Message.c_str();
  }
  EXPECT_EQ(fake::State().Window, nullptr);  // no window was made
  EXPECT_EQ(Form, nullptr);
}

INSTANTIATE_TEST_SUITE_P(Cases, BadFormStream, ::testing::ValuesIn(BadStreams()),
                         [](const auto& Info) { return std::string(Info.param.Case); });

TEST_F(FormReader, NamesTheObjectAndOffsetOfAFault) {
  const Bytes Stream = FormWith([](StreamBuilder&) {}, [](StreamBuilder& S) { S.Int("Wobble", 1); });
  try {
    Build(Stream);
    FAIL();
  } catch (const Exception& E) {
    // The property's name starts 4 + 10 + 9 + 1 + 7 + 5 bytes in.
    EXPECT_STREQ(E.Message.c_str(), "Form resource, object Back (offset 36): property Wobble: "
                                    "a TImage has no such property");
  }
}

TEST_F(FormReader, RejectsTheStreamCutShortAnywhere) {
  const Bytes Whole = TestFormStream();
  for (std::size_t Length = 0; Length < Whole.size(); ++Length) {
    fake::Reset();
    Bytes Cut(Whole.begin(), Whole.begin() + static_cast<std::ptrdiff_t>(Length));
    if (Cut.empty()) Cut = {'T'};  // an empty resource is a missing one
    EXPECT_THROW(Build(Cut), Exception) << "cut at " << Length;
    EXPECT_EQ(fake::State().Window, nullptr);
  }
}

TEST_F(FormReader, SurvivesAnyOneByteChange) {
  // Every byte changed in turn: either the form is read or an Exception is
  // raised; under the sanitizers, no read strays.
  const Bytes Whole = TestFormStream();
  for (std::size_t At = 0; At < Whole.size(); At += 3) {
    for (std::uint8_t Value : {std::uint8_t{0x00}, std::uint8_t{0x7F}, std::uint8_t{0xFF}}) {
      fake::Reset();
      Bytes Changed = Whole;
      Changed[At] = Value;
      try {
        Build(Changed);
        EXPECT_NE(Form->Back, nullptr);  // a form that was read is whole
        EXPECT_NE(Form->Button, nullptr);
        delete Form;
      } catch (const Exception&) {
        EXPECT_EQ(fake::State().Window, nullptr);
      }
      Form = nullptr;
    }
  }
}

}  // namespace
