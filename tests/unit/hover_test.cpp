// The entry under the pointer lights up: each picture is visible exactly
// when the pointer lies in its rectangle, read when the background gets a
// move; a lit entry takes the click.

#include <string>
#include <vector>

#include "menu_fixture.h"

namespace {

constexpr TPoint OnTheBackground{100, 100};
constexpr TPoint OffTheWindow{-40, 100};

class Hover : public MenuTest {
protected:
  // The tags of the visible entry pictures, 1 standing for the background.
  static std::vector<int> Shown() {
    std::vector<int> Tags;
    if (AutoForm->Image1->Visible) Tags.push_back(1);
    for (const MenuEntry& E : Entries)
      if ((AutoForm->*E.Picture)->Visible) Tags.push_back(E.Tag);
    return Tags;
  }
  static std::vector<int> BackgroundAnd(int Tag) { return {1, Tag}; }
  static const std::vector<int> BackgroundOnly;
  static const std::vector<int> Nothing;
};
const std::vector<int> Hover::BackgroundOnly{1};
const std::vector<int> Hover::Nothing{};

TEST_F(Hover, AtStartOnlyTheBackgroundIsShown) { EXPECT_EQ(Shown(), BackgroundOnly); }

TEST_F(Hover, EachRectangleHoldsItsLeftAndTopEdgesButNotItsRightAndBottom) {
  for (const MenuEntry& E : Entries) {
    SCOPED_TRACE(E.Tag);
    const TRect& R = E.Rect;
    fake::MoveTo({R.Left, R.Top});
    EXPECT_EQ(Shown(), BackgroundAnd(E.Tag));
    fake::MoveTo(OnTheBackground);
    fake::MoveTo({R.Right - 1, R.Bottom - 1});
    EXPECT_EQ(Shown(), BackgroundAnd(E.Tag));
    fake::MoveTo({R.Right, R.Top});
    EXPECT_EQ(Shown(), BackgroundOnly);
    fake::MoveTo({R.Left, R.Bottom});
    EXPECT_EQ(Shown(), BackgroundOnly);
    fake::MoveTo({R.Left - 1, R.Top});
    EXPECT_EQ(Shown(), BackgroundOnly);
    fake::MoveTo({R.Left, R.Top - 1});
    EXPECT_EQ(Shown(), BackgroundOnly);
  }
}

TEST_F(Hover, TheRightAndBottomEdgeExamples) {
  const TRect& Top = Entries[0].Rect;
  fake::MoveTo({Top.Right, 60});
  EXPECT_EQ(Shown(), BackgroundOnly);
  fake::MoveTo({500, Top.Bottom});
  EXPECT_EQ(Shown(), BackgroundOnly);
}

TEST_F(Hover, CrossingTheGapBetweenTwoEntries) {
  const MenuEntry& Upper = Entries[0];
  const MenuEntry& Lower = Entries[1];
  for (int Y = Upper.Rect.Bottom - 19; Y <= Lower.Rect.Top + 9; ++Y) {
    fake::MoveTo({450, Y});
    const std::vector<int> Expected = Y < Upper.Rect.Bottom ? BackgroundAnd(Upper.Tag)
                                      : Y < Lower.Rect.Top  ? BackgroundOnly
                                                            : BackgroundAnd(Lower.Tag);
    EXPECT_EQ(Shown(), Expected) << "y " << Y;
  }
}

TEST_F(Hover, EnteringTheWindowStraightOntoAnEntryLightsItAtOnce) {
  fake::MoveTo(OffTheWindow);
  fake::MoveTo({450, 100});
  EXPECT_EQ(Shown(), BackgroundAnd(3));
}

TEST_F(Hover, LeavingTheWindowFromALitEntryLeavesItLitUntilTheNextMoveOverTheBackground) {
  fake::MoveTo({450, 100});
  fake::MoveTo(OffTheWindow);
  EXPECT_EQ(Shown(), BackgroundAnd(3));
  fake::MoveTo({450, 110});  // back onto the lit picture, which takes the move
  EXPECT_EQ(Shown(), BackgroundAnd(3));
  fake::MoveTo({300, 100});
  EXPECT_EQ(Shown(), BackgroundOnly);
}

TEST_F(Hover, TheConvertedPointerDecidesNotTheEventsCoordinates) {
  fake::State().Cursor = {fake::State().ClientOrigin.x + 450, fake::State().ClientOrigin.y + 260};
  AutoForm->Image0MouseMove(AutoForm->Image1, {}, 450, 60);
  EXPECT_EQ(Shown(), BackgroundAnd(6));
}

// Released outside, the window is blank until the pointer next moves over
// it; from then on the pictures follow the rule as before.
TEST_F(Hover, ABackgroundPressDraggedOutAndReleasedThereBlanksTheWindowUntilTheNextMove) {
  Provide(FolderOf(3));
  fake::MoveTo(OnTheBackground);
  fake::Press();
  fake::MoveTo({700, 100});
  EXPECT_EQ(Shown(), Nothing);
  fake::Release();
  EXPECT_EQ(Shown(), Nothing);
  for (std::uint32_t Pixel : fake::Paint().Pixels) ASSERT_EQ(Pixel, fake::MenuColor);
  fake::MoveTo({450, 100});  // straight onto the server entry
  EXPECT_EQ(Shown(), BackgroundAnd(3));
  fake::ClickHere();
  EXPECT_EQ(World().Launches.size(), 1u);
  fake::MoveTo(OnTheBackground);
  EXPECT_EQ(Shown(), BackgroundOnly);
}

TEST_F(Hover, ABackgroundPressDraggedOutAndBackRestoresTheMenu) {
  Provide(FolderOf(3));
  fake::MoveTo(OnTheBackground);
  fake::Press();
  fake::MoveTo({700, 100});
  fake::MoveTo({-1, 100});  // the border band is outside the client area
  EXPECT_EQ(Shown(), Nothing);
  fake::MoveTo({450, 100});
  EXPECT_EQ(Shown(), BackgroundAnd(3));
  fake::Release();  // released over the entry, but pressed on the background: no click
  EXPECT_TRUE(World().Launches.empty());
  fake::MoveTo(OnTheBackground);
  fake::MoveTo({450, 100});
  fake::ClickHere();
  EXPECT_EQ(World().Launches.size(), 1u);
}

TEST_F(Hover, ALitEntryTakesTheClickAndStartsItsSetup) {
  for (const MenuEntry& E : Entries) {
    if (!*E.Folder) continue;  // the database and exit entries have tests of their own
    SCOPED_TRACE(E.Tag);
    fake::Reset();
    Start(Root + "menu.exe");
    Provide(E.Folder);
    fake::MoveTo({E.Rect.Left + 5, E.Rect.Top + 5});
    fake::ClickHere();
    ASSERT_EQ(World().Launches.size(), 1u);
    EXPECT_EQ(World().Launches[0].File, EntrySetup(E.Folder));
  }
}

TEST_F(Hover, TheLitExitEntryClosesTheMenu) {
  fake::MoveTo({450, 360});
  fake::ClickHere();
  EXPECT_TRUE(World().QuitRequested);
}

TEST_F(Hover, AClickOnTheBackgroundDoesNothing) {
  fake::MoveTo(OnTheBackground);
  fake::ClickHere();
  EXPECT_TRUE(World().Launches.empty());
  EXPECT_TRUE(World().Boxes.empty());
  EXPECT_FALSE(World().QuitRequested);
}

TEST_F(Hover, AHiddenEntryTakesNoClick) {
  Provide(FolderOf(3));
  // The pointer arrives over the entry with no move the window sees.
  fake::State().Cursor = {fake::State().ClientOrigin.x + 450, fake::State().ClientOrigin.y + 100};
  fake::ClickHere();
  EXPECT_TRUE(World().Launches.empty());
}

TEST_F(Hover, APressOnAnEntryReleasedOutsideItIsNoClick) {
  Provide(FolderOf(3));
  fake::MoveTo({450, 100});
  fake::Press();
  fake::MoveTo({450, 130});
  fake::Release();
  fake::MoveTo({450, 100});
  fake::Press();
  fake::MoveTo({700, 100});
  fake::Release();
  EXPECT_TRUE(World().Launches.empty());
}

TEST_F(Hover, TheFrameShowsTheBackgroundWithExactlyTheEntryUnderThePointer) {
  const TBitmap& Background = AutoForm->Image1->Picture.Bitmap;
  auto Check = [&](const MenuEntry* Lit) {
    const fake::Frame F = fake::Paint();
    ASSERT_EQ(F.Width, 633);
    ASSERT_EQ(F.Height, 421);
    for (int Y = 0; Y < F.Height; ++Y)
      for (int X = 0; X < F.Width; ++X) {
        const bool OnLit = Lit && PtInRect(&Lit->Rect, {X, Y});
        const std::uint32_t Expected = OnLit ? (AutoForm->*Lit->Picture)->Picture.Bitmap.Pixel(X - Lit->Rect.Left, Y - Lit->Rect.Top)
                                             : Background.Pixel(X, Y);
        ASSERT_EQ(F.At(X, Y), Expected) << X << "," << Y;
      }
  };
  Check(nullptr);
  for (const MenuEntry& E : Entries) {
    SCOPED_TRACE(E.Tag);
    fake::MoveTo(OnTheBackground);
    fake::MoveTo({E.Rect.Left + 7, E.Rect.Top + 3});
    Check(&E);
  }
}

TEST_F(Hover, MovingOverTheBackgroundRepaintsOnlyTheEntriesThatChange) {
  fake::MoveTo(OnTheBackground);
  EXPECT_TRUE(World().Invalidated.empty());
  fake::MoveTo({450, 100});
  fake::MoveTo({300, 100});
  EXPECT_EQ(World().Invalidated, (std::vector<TRect>{Entries[1].Rect, Entries[1].Rect}));
}

}  // namespace
