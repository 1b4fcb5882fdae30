// The program's start: the application object, the menu window, the
// message loop, and an exception that escapes start-up.

#include <algorithm>
#include <cstring>
#include <span>

#include "embedded.h"
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

// A program that cannot tell its own path (a folder too deep for the
// system, a name the layer's text cannot hold) says so once and starts
// nothing: its setups would be looked for somewhere else.
TEST_F(Startup, AProgramThatCannotTellItsOwnPathSaysSoAndStartsNothing) {
  fake::State().ExePath = "";
  EXPECT_EQ(WinMain(nullptr, nullptr, const_cast<char*>(""), SW_SHOWNORMAL), 0);
  ASSERT_EQ(fake::State().Boxes.size(), 1u);
  EXPECT_EQ(fake::State().Boxes[0].Text, "无法确定菜单程序所在的文件夹，无法启动任何安装程序。");
  EXPECT_EQ(fake::State().LoopRuns, 0);
  EXPECT_EQ(AutoForm, nullptr);
  EXPECT_TRUE(fake::State().Launches.empty());
  EXPECT_TRUE(fake::State().DirChanges.empty());
}

// The program's own form stream with one fault put in.
struct Spoiled {
  const char* Case;
  std::function<void(std::vector<std::uint8_t>&)> Spoil;
  const char* Message;
};

std::vector<std::uint8_t> OwnFormStream() {
  for (const vcl::TEmbeddedResource* R = vcl::EmbeddedResources; R->Name; ++R)
    if (std::strcmp(R->Name, "TAUTOFORM") == 0) return {R->Data, R->Data + R->Size};
  return {};
}

// Where Text first lies in Stream.
std::size_t Find(const std::vector<std::uint8_t>& Stream, std::string_view Text) {
  const auto At = std::search(Stream.begin(), Stream.end(), Text.begin(), Text.end());
  EXPECT_NE(At, Stream.end()) << Text;
  return static_cast<std::size_t>(At - Stream.begin());
}

const Spoiled SpoiledStreams[] = {
    {"Signature", [](auto& S) { S[3] = '1'; }, "signature TPF0"},
    {"CutInHalf", [](auto& S) { S.resize(S.size() / 2); }, "ends inside"},
    {"UnknownHandler", [](auto& S) { S[Find(S, "Image0MouseMove") + 5] = '9'; }, "no published handler Image9MouseMove"},
    {"UnknownClass", [](auto& S) { S[Find(S, "TImage") + 1] = 'X'; }, "unknown class TXmage"},
    {"UnknownProperty", [](auto& S) { S[Find(S, "PixelsPerInch")] = 'Q'; }, "property QixelsPerInch"},
    {"EightBitPicture", [](auto& S) { S[Find(S, "BM") + 28] = 8; }, "8 bits per pixel"},
    {"CompressedPicture", [](auto& S) { S[Find(S, "BM") + 30] = 1; }, "compressed"},
    {"PictureSize", [](auto& S) { S[Find(S, "BM") + 22] = 0xFF; }, "do not fit"},
};

class SpoiledStartup : public Startup, public ::testing::WithParamInterface<Spoiled> {};

TEST_P(SpoiledStartup, IsReportedOnceAndTheProgramReturnsZero) {
  std::vector<std::uint8_t> Stream = OwnFormStream();
  GetParam().Spoil(Stream);
  fake::State().Resources["TAUTOFORM"] = Stream;
  EXPECT_EQ(WinMain(nullptr, nullptr, const_cast<char*>(""), SW_SHOWNORMAL), 0);
  ASSERT_EQ(fake::State().Boxes.size(), 1u);
  EXPECT_NE(fake::State().Boxes[0].Text.find(GetParam().Message), std::string::npos) << fake::State().Boxes[0].Text;
  EXPECT_EQ(fake::State().LoopRuns, 0);
  EXPECT_EQ(AutoForm, nullptr);
}

INSTANTIATE_TEST_SUITE_P(Cases, SpoiledStartup, ::testing::ValuesIn(SpoiledStreams),
                         [](const auto& Info) { return std::string(Info.param.Case); });

}  // namespace
