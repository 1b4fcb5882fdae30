// Mouse input routing and painting in the core: the topmost visible control
// under the pointer gets the input, a pressed control keeps it until the
// button is released, and a release inside the pressed control is a click.

#include "test_form.h"

namespace {

using Input = TestFormTest;

constexpr TPoint OnButton{15, 25};
constexpr TPoint OffButton{60, 50};
constexpr TPoint OutsideWindow{150, 40};

// The button's picture over the background: hidden (as the form makes it),
// the input goes to the background below it; shown, the picture takes the
// moves and the click.
struct OnTopCase {
  const char* Case;
  bool ButtonShown;
  bool BackMoved;      // the background got the move onto the button
  bool ButtonClicked;  // the button got the click
};

class PictureOnTop : public TestFormTest, public ::testing::WithParamInterface<OnTopCase> {};

TEST_P(PictureOnTop, TakesTheInputOnlyWhenVisible) {
  const OnTopCase& C = GetParam();
  Build();
  if (C.ButtonShown) Form->Button->Visible = true;
  fake::MoveTo(OnButton);
  fake::ClickHere();
  EXPECT_EQ(Form->Moves, (C.BackMoved ? std::vector<TTestForm::Move>{{Form->Back, OnButton}}
                                      : std::vector<TTestForm::Move>{}));
  EXPECT_EQ(Form->Clicks, C.ButtonClicked ? std::vector<TObject*>{Form->Button} : std::vector<TObject*>{});
}

INSTANTIATE_TEST_SUITE_P(Cases, PictureOnTop,
                         ::testing::Values(OnTopCase{"AHiddenPictureLeavesTheInputToTheOneBelow", false, true, false},
                                           OnTopCase{"AVisiblePictureTakesTheMovesAndTheClick", true, false, true}),
                         [](const auto& Info) { return std::string(Info.param.Case); });

TEST_F(Input, MovesArriveInTheReceivingControlsCoordinates) {
  Build();
  fake::MoveTo({5, 6});
  fake::MoveTo({99, 79});
  EXPECT_EQ(Form->Moves, (std::vector<TTestForm::Move>{{Form->Back, {5, 6}}, {Form->Back, {99, 79}}}));
}

TEST_F(Input, NothingReachesTheWindowFromOutsideWithoutCapture) {
  Build();
  fake::MoveTo(OutsideWindow);
  fake::MoveTo({-1, 10});   // the border band
  fake::MoveTo({50, 80});   // the background's rows below the client area
  EXPECT_TRUE(Form->Moves.empty());
}

TEST_F(Input, APressedControlKeepsTheMovesUntilRelease) {
  Build();
  fake::MoveTo(OffButton);
  fake::Press();
  Form->Button->Visible = true;  // a picture shown above it takes nothing away
  fake::MoveTo(OnButton);
  fake::MoveTo(OutsideWindow);
  fake::Release();
  fake::MoveTo(OnButton);  // after the release the button is on top again
  EXPECT_EQ(Form->Moves, (std::vector<TTestForm::Move>{
                             {Form->Back, OffButton}, {Form->Back, OnButton}, {Form->Back, OutsideWindow}}));
  EXPECT_TRUE(Form->Clicks.empty());
  EXPECT_FALSE(fake::State().Captured);
}

TEST_F(Input, AHiddenPictureHoldingTheCaptureStillGetsTheMoves) {
  Build();
  fake::MoveTo(OffButton);
  fake::Press();
  Form->Back->Visible = false;
  fake::MoveTo({1, 2});
  EXPECT_EQ(Form->Moves.back(), (TTestForm::Move{Form->Back, {1, 2}}));
}

struct ClickCase {
  const char* Case;
  TPoint Down;
  TPoint Via;
  TPoint Up;
  bool Clicked;
};

class Clicks : public TestFormTest, public ::testing::WithParamInterface<ClickCase> {};

TEST_P(Clicks, AreAReleaseInsideThePressedControl) {
  Build();
  Form->Button->Visible = true;
  fake::MoveTo(GetParam().Down);
  fake::Press();
  fake::MoveTo(GetParam().Via);
  fake::MoveTo(GetParam().Up);
  fake::Release();
  EXPECT_EQ(Form->Clicks.size(), GetParam().Clicked ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Clicks,
    ::testing::Values(ClickCase{"InPlace", OnButton, OnButton, OnButton, true},
                      ClickCase{"MovedWithinTheButton", {10, 20}, {25, 22}, {39, 29}, true},
                      ClickCase{"ReleasedBesideIt", OnButton, OnButton, {40, 25}, false},
                      ClickCase{"ReleasedOutsideTheWindow", OnButton, OutsideWindow, OutsideWindow, false},
                      ClickCase{"DraggedOutAndBack", OnButton, OutsideWindow, OnButton, true},
                      ClickCase{"PressedOnTheBackground", OffButton, OffButton, OnButton, false}),
    [](const auto& Info) { return std::string(Info.param.Case); });

TEST_F(Input, AReleaseAfterTheCaptureWasTakenAwayIsNoClick) {
  Build();
  Form->Button->Visible = true;
  fake::MoveTo(OnButton);
  fake::Press();
  vcl::core::CancelMode(*Form);
  fake::State().Captured = false;  // the system took the capture away
  fake::Release();
  EXPECT_TRUE(Form->Clicks.empty());
}

TEST_F(Input, AnExceptionInAHandlerIsReportedAndInputGoesOn) {
  Build(TestFormStream({.ButtonClick = "Fails"}));
  Application->Title = "Title";
  Form->Button->Visible = true;
  fake::MoveTo(OnButton);
  fake::ClickHere();
  fake::ClickHere();
  const fake::Box Report{fake::BoxKind::Application, fake::ApplicationHandle, "the handler failed", "Title",
                         MB_OK | MB_ICONSTOP};
  EXPECT_EQ(fake::State().Boxes, (std::vector<fake::Box>{Report, Report}));
  fake::MoveTo(OffButton);
  EXPECT_EQ(Form->Moves.size(), 1u);
}

using Painting = TestFormTest;

TEST_F(Painting, DrawsTheColourThenEachVisiblePictureClippedToControlAndClient) {
  Build();
  const fake::Frame Before = fake::Paint();
  ASSERT_EQ(Before.Width, TestWidth);
  ASSERT_EQ(Before.Height, TestHeight);
  for (int Y = 0; Y < TestHeight; ++Y)
    for (int X = 0; X < TestWidth; ++X) ASSERT_EQ(Before.At(X, Y), BackColor(X, Y)) << X << "," << Y;

  Form->Button->Visible = true;
  const fake::Frame Lit = fake::Paint();
  for (int Y = 0; Y < TestHeight; ++Y)
    for (int X = 0; X < TestWidth; ++X) {
      const bool OnTheButton = PtInRect(&ButtonRect, {X, Y});
      ASSERT_EQ(Lit.At(X, Y), OnTheButton ? ButtonColor : BackColor(X, Y)) << X << "," << Y;
    }

  Form->Back->Visible = false;
  Form->Button->Visible = false;
  const fake::Frame Blank = fake::Paint();
  for (std::uint32_t Pixel : Blank.Pixels) ASSERT_EQ(Pixel, fake::MenuColor);
}

TEST_F(Painting, RepaintsOnlyWhatChangedItsLook) {
  Build();
  Form->Button->Visible = true;
  Form->Button->Visible = true;  // no change, nothing to repaint
  Form->Back->Visible = false;   // its control reaches below the client area
  Form->Button->Visible = false;
  EXPECT_EQ(fake::State().Invalidated,
            (std::vector<TRect>{ButtonRect, {0, 0, TestWidth, TestHeight}, ButtonRect}));
}

TEST(Colours, SystemColoursComeFromTheBackendOthersAreSwappedToRgb) {
  EXPECT_EQ(vcl::core::ColorToRGB(clMenu), fake::MenuColor);
  EXPECT_EQ(vcl::core::ColorToRGB(0x00336699), 0x996633u);
}

}  // namespace
