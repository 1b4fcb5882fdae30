// Where a form's window goes: centred in the primary screen's work area
// for the centred positions, at the form's own Left and Top otherwise.

#include "test_form.h"

namespace {

using Placement = TestFormTest;

TEST_F(Placement, EachPositionInEachWorkArea) {
  Build();
  Form->Left = 246;
  Form->Top = 183;
  // A 635 x 423 window, as the menu's is with its band.
  constexpr int Width = 635, Height = 423;
  struct Case {
    TPosition Position;
    TRect WorkArea;
    TPoint Expected;
  };
  const Case Cases[] = {
      {TPosition::poScreenCenter, {0, 0, 1024, 768}, {194, 172}},
      // A taskbar at the bottom, or on the left: the area it leaves.
      {TPosition::poScreenCenter, {0, 0, 1024, 728}, {194, 152}},
      {TPosition::poScreenCenter, {62, 0, 1024, 768}, {225, 172}},
      // Odd remainders round towards the work area's top-left corner.
      {TPosition::poScreenCenter, {0, 0, 1025, 769}, {195, 173}},
      // A screen smaller than the window: centred all the same.
      {TPosition::poScreenCenter, {0, 0, 600, 400}, {-17, -11}},
      // The other centred positions: for a form with no owner and no main
      // form before it, the screen.
      {TPosition::poDesktopCenter, {0, 0, 1024, 728}, {194, 152}},
      {TPosition::poMainFormCenter, {0, 0, 1024, 728}, {194, 152}},
      {TPosition::poOwnerFormCenter, {0, 0, 1024, 728}, {194, 152}},
      // The rest keep the form's own corner, wherever the work area is.
      {TPosition::poDesigned, {0, 0, 1024, 728}, {246, 183}},
      {TPosition::poDefault, {62, 0, 1024, 768}, {246, 183}},
      {TPosition::poDefaultPosOnly, {0, 0, 1024, 768}, {246, 183}},
      {TPosition::poDefaultSizeOnly, {0, 0, 1024, 768}, {246, 183}},
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(static_cast<int>(C.Position));
    SCOPED_TRACE(C.WorkArea.Left);
    Form->Position = C.Position;
    const TPoint Place = core::WindowPlace(*Form, Width, Height, C.WorkArea);
    EXPECT_EQ(Place.x, C.Expected.x);
    EXPECT_EQ(Place.y, C.Expected.y);
  }
}

TEST_F(Placement, TheBackendMakesTheWindowWhereTheCoreSays) {
  using namespace testing_streams;
  fake::State().WorkArea = {100, 40, 1380, 1024};
  StreamBuilder S;
  S.Object("TTestForm", "TestForm")
      .Int("Left", 5)
      .Int("Top", 6)
      .Int("BorderWidth", 2)
      .Int("ClientWidth", 200)
      .Int("ClientHeight", 100)
      .Ident("Position", "poScreenCenter")
      .End();
  S.Object("TImage", "Back").End().End();
  S.Object("TImage", "Button").End().End();
  S.End();
  Build(S.Stream());
  // The window is 204 x 104 with its band.
  EXPECT_EQ(fake::State().WindowPlace.x, 100 + (1280 - 204) / 2);
  EXPECT_EQ(fake::State().WindowPlace.y, 40 + (984 - 104) / 2);
}

}  // namespace
