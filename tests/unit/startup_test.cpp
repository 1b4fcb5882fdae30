// The program's start: the application object, the menu window, the
// message loop, and an exception that escapes start-up.

#include "menu_fixture.h"

namespace {

class Startup : public ::testing::Test {
protected:
  void SetUp() override {
    fake::Reset();
    fake::State().ExePath = Root + "menu.exe";
    Application->Title = "";
  }
  void TearDown() override {
    delete AutoForm;
    AutoForm = nullptr;
  }
};

TEST_F(Startup, TitlesTheApplicationMakesTheWindowAndRunsTheLoopUntilItCloses) {
  bool SawTheWindow = false;
  fake::State().Session = [&] {
    SawTheWindow = AutoForm && Application->MainForm == AutoForm && fake::State().Window == AutoForm;
    EXPECT_TRUE(AutoForm->Image1->Visible);
    EXPECT_FALSE(AutoForm->Image2->Visible);
    fake::MoveTo({450, 360});
    fake::ClickHere();  // the Exit entry
  };
  EXPECT_EQ(WinMain(nullptr, nullptr, const_cast<char*>(""), SW_SHOWNORMAL), 0);
  EXPECT_EQ(Application->Title, "安装QuendraTalvex SaaS");
  EXPECT_TRUE(SawTheWindow);
  EXPECT_EQ(fake::State().LoopRuns, 1);
  EXPECT_TRUE(fake::State().QuitRequested);
  EXPECT_TRUE(fake::State().Boxes.empty());
}

TEST_F(Startup, AnExceptionLeavingStartUpIsShownAndTheProgramStillReturnsZero) {
  fake::State().Resources["TAUTOFORM"] = {'T', 'P', 'F', '0', 9, 'T', 'A', 'u', 't', 'o'};
  EXPECT_EQ(WinMain(nullptr, nullptr, const_cast<char*>(""), SW_SHOWNORMAL), 0);
  ASSERT_EQ(fake::State().Boxes.size(), 1u);
  const fake::Box& Shown = fake::State().Boxes[0];
  EXPECT_EQ(Shown.Kind, fake::BoxKind::Application);
  EXPECT_EQ(Shown.Caption, "安装QuendraTalvex SaaS");
  EXPECT_EQ(Shown.Text, "Form stream, offset 5: the stream ends inside an object's class name");
  EXPECT_EQ(Shown.Flags, MB_OK | MB_ICONSTOP);
  EXPECT_EQ(fake::State().LoopRuns, 0);
  EXPECT_EQ(AutoForm, nullptr);
  EXPECT_EQ(fake::State().Window, nullptr);
}

}  // namespace
