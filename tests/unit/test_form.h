#pragma once
// A small form class of the tests' own, read from a form stream the test
// writes: a background picture with a move handler and one hidden button
// with a click handler. It exercises the form reader, input routing and
// painting apart from the menu.

#include <gtest/gtest.h>
#include <vcl.h>

#include <vector>

#include "events.h"
#include "fake.h"
#include "stream_builder.h"

class TTestForm : public TForm {
public:
  TImage* Back;
  TImage* Button;
  void BackMove(TObject* Sender, TShiftState, int X, int Y) { Moves.push_back({Sender, {X, Y}}); }
  void ButtonClick(TObject* Sender) { Clicks.push_back(Sender); }
  void Fails(TObject*) { throw Exception("the handler failed"); }

  explicit TTestForm(TComponent* Owner) : TForm(Owner, FormClass) {}
  static const TFormClass FormClass;

  struct Move {
    TObject* Sender;
    TPoint At;
    friend bool operator==(const Move&, const Move&) = default;
  };
  std::vector<Move> Moves;
  std::vector<TObject*> Clicks;
};

inline const TPublishedField TestFields[] = {
    Published("Back", &TTestForm::Back),
    Published("Button", &TTestForm::Button),
};
inline const TPublishedMethod TestMethods[] = {
    Published("BackMove", &TTestForm::BackMove),
    Published("ButtonClick", &TTestForm::ButtonClick),
    Published("Fails", &TTestForm::Fails),
};
inline const TFormClass TTestForm::FormClass = {"TTestForm", TestFields, TestMethods};

// The test form's geometry: a 100 x 80 client area; the background's
// picture (102 x 86) is larger than its control (100 x 84), which is taller
// than the client area; the button lies at (10, 20, 40, 30).
inline constexpr int TestWidth = 100, TestHeight = 80;
inline constexpr TRect ButtonRect{10, 20, 40, 30};
inline constexpr std::uint32_t ButtonColor = 0x00FF00;
inline std::uint32_t BackColor(int X, int Y) { return static_cast<std::uint32_t>(X << 16 | Y << 8 | 0x40); }

struct TestFormOptions {
  const char* ButtonClick = "ButtonClick";
};

inline testing_streams::Bytes TestFormStream(TestFormOptions Options = {}) {
  using namespace testing_streams;
  StreamBuilder S;
  S.Object("TTestForm", "TestForm")
      .Ident("BorderStyle", "bsNone")
      .Int("ClientWidth", TestWidth)
      .Int("ClientHeight", TestHeight)
      .Ident("Color", "clMenu")
      .End();
  S.Object("TImage", "Back")
      .Int("Width", 100)
      .Int("Height", 84)
      .Binary("Picture.Data", PictureData(Bitmap(102, 86, BackColor)))
      .Ident("OnMouseMove", "BackMove")
      .End()
      .End();
  S.Object("TImage", "Button")
      .Int("Tag", 5)
      .Int("Left", ButtonRect.Left)
      .Int("Top", ButtonRect.Top)
      .Int("Width", ButtonRect.Width())
      .Int("Height", ButtonRect.Height())
      .Binary("Picture.Data", PictureData(SolidBitmap(30, 10, ButtonColor)))
      .Bool("Visible", false)
      .Ident("OnClick", Options.ButtonClick)
      .End()
      .End();
  S.End();
  return S.Stream();
}

// A test form on the fake backend, read from Stream.
class TestFormTest : public ::testing::Test {
protected:
  void SetUp() override { fake::Reset(); }
  void TearDown() override { delete Form; }

  void Build(const testing_streams::Bytes& Stream = TestFormStream()) {
    fake::State().Resources["TTESTFORM"] = Stream;
    Form = new TTestForm(Application);
  }

  TTestForm* Form = nullptr;
};
