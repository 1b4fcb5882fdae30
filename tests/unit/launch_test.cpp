// The component entries and the launch step: which folder and program each
// entry starts, the two messages, and the current directory on every path.

#include "menu_fixture.h"

namespace {

std::string FolderMessage(const std::string& Dir) { return "文件夹 '" + Dir + "' 不存在！"; }
std::string FileMessage(const std::string& File) { return "文件 '" + File + "' 不存在！"; }

// Every component entry, by tag (not by picture: Image8 carries tag 6).
class ComponentEntry : public MenuTest, public ::testing::WithParamInterface<MenuEntry> {};

TEST_P(ComponentEntry, StartsItsSetupFromItsOwnFolder) {
  const MenuEntry& E = GetParam();
  Provide(E.Folder);
  Click(E.Tag);

  const fake::Launch Expected{MenuHandle(), "open", EntrySetup(E.Folder), "", std::nullopt,
                              SW_SHOWNORMAL, EntryDir(E.Folder)};
  ASSERT_EQ(World().Launches.size(), 1u);
  EXPECT_EQ(World().Launches[0], Expected);
  EXPECT_TRUE(World().Boxes.empty());
  EXPECT_EQ(World().CurrentDir, Root);
  EXPECT_FALSE(World().QuitRequested);
}

TEST_P(ComponentEntry, MissingFolderShowsOnlyTheFolderMessage) {
  const MenuEntry& E = GetParam();
  Click(E.Tag);

  const fake::Box Expected{fake::BoxKind::Application, fake::ApplicationHandle,
                           FolderMessage(EntryDir(E.Folder)), "Quendra安装程序", 0};
  ASSERT_EQ(World().Boxes.size(), 1u);
  EXPECT_EQ(World().Boxes[0], Expected);
  EXPECT_TRUE(World().FileQueries.empty()) << "the program must not be looked for";
  EXPECT_TRUE(World().Launches.empty());
  EXPECT_EQ(World().CurrentDir, Root);
}

TEST_P(ComponentEntry, MissingProgramShowsOnlyTheFileMessage) {
  const MenuEntry& E = GetParam();
  fake::AddFolder(EntryDir(E.Folder));
  fake::AddFile(OnDisc({E.Folder, "setup.ini"}));
  Click(E.Tag);

  const fake::Box Expected{fake::BoxKind::Application, fake::ApplicationHandle,
                           FileMessage(EntrySetup(E.Folder)), "Quendra安装程序", 0};
  ASSERT_EQ(World().Boxes.size(), 1u);
  EXPECT_EQ(World().Boxes[0], Expected);
  EXPECT_TRUE(World().Launches.empty());
  EXPECT_EQ(World().CurrentDir, Root);
}

INSTANTIATE_TEST_SUITE_P(AllComponents, ComponentEntry, ::testing::ValuesIn(ComponentEntries()),
                         [](const auto& Info) { return std::string(Info.param.Folder); });

using LaunchStep = MenuTest;

// The messages' exact bytes in code page 936, spelled out: no space between
// the opening quote and the path, one after the closing quote, and the
// full-width exclamation mark A3 A1 at the end.
TEST_F(LaunchStep, MessagesHaveTheExactBytes) {
  const std::string Server = FolderOf(3);
#if defined(_WIN32)
  const std::string FolderText = "\xCE\xC4\xBC\xFE\xBC\xD0 'D:\\" + Server + "\\' \xB2\xBB\xB4\xE6\xD4\xDA\xA3\xA1";
  const std::string FileText = "\xCE\xC4\xBC\xFE 'D:\\" + Server + "\\Setup.exe' \xB2\xBB\xB4\xE6\xD4\xDA\xA3\xA1";
#else
  const std::string FolderText = "\xCE\xC4\xBC\xFE\xBC\xD0 '/" + Server + "/' \xB2\xBB\xB4\xE6\xD4\xDA\xA3\xA1";
  const std::string FileText = "\xCE\xC4\xBC\xFE '/" + Server + "/Setup.exe' \xB2\xBB\xB4\xE6\xD4\xDA\xA3\xA1";
#endif
  const std::string Caption = "Quendra\xB0\xB2\xD7\xB0\xB3\xCC\xD0\xF2";

  Click(3);
  fake::AddFolder(EntryDir(Server));
  Click(3);

  ASSERT_EQ(World().Boxes.size(), 2u);
  EXPECT_EQ(World().Boxes[0].Text, FolderText);
  EXPECT_EQ(World().Boxes[1].Text, FileText);
  EXPECT_EQ(World().Boxes[0].Caption, Caption);
  EXPECT_EQ(World().Boxes[1].Caption, Caption);
}

TEST_F(LaunchStep, EachRequestSetsItsOwnPaths) {
  Provide(FolderOf(3));
  Provide(FolderOf(5));
  Click(3);
  Click(5);
  Click(4);  // its folder is missing: that folder is reported, not an earlier one

  ASSERT_EQ(World().Launches.size(), 2u);
  EXPECT_EQ(World().Launches[0].File, EntrySetup(FolderOf(3)));
  EXPECT_EQ(World().Launches[1].File, EntrySetup(FolderOf(5)));
  ASSERT_EQ(World().Boxes.size(), 1u);
  EXPECT_EQ(World().Boxes[0].Text, FolderMessage(EntryDir(FolderOf(4))));
}

// A setup that is there but cannot be started says so, with the system's
// reason where it gives one; the user's No to its elevation prompt is an
// answer, and shows nothing.
TEST_F(LaunchStep, ASetupTheShellCannotStartSaysSoWithTheSystemsReason) {
  struct Case {
    int Result;
    DWORD Error;
    const char* Message;  // after the path; null: no box
  };
  const Case Cases[] = {
      {2, 2, "' 无法启动！\n系统原因 2"},           // ERROR_FILE_NOT_FOUND
      {11, 193, "' 无法启动！\n系统原因 193"},      // ERROR_BAD_EXE_FORMAT: a damaged Setup.exe
      {31, 1155, "' 无法启动！\n系统原因 1155"},    // ERROR_NO_ASSOCIATION
      {5, 5, "' 无法启动！\n系统原因 5"},           // access denied, not by the user
      {31, 0, "' 无法启动！"},                      // no reason given
      {5, ERROR_CANCELLED, nullptr},                // the user declined the elevation
  };
  Provide(FolderOf(3));
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Error);
    World().Boxes.clear();
    World().ShellResult = C.Result;
    World().ShellError = C.Error;
    Click(3);
    if (C.Message) {
      const fake::Box Expected{fake::BoxKind::Application, fake::ApplicationHandle,
                               "文件 '" + EntrySetup(FolderOf(3)) + C.Message, "Quendra安装程序", 0};
      ASSERT_EQ(World().Boxes.size(), 1u);
      EXPECT_EQ(World().Boxes[0], Expected);
    } else {
      EXPECT_TRUE(World().Boxes.empty());
    }
    EXPECT_EQ(World().CurrentDir, Root);
  }
  EXPECT_EQ(World().Launches.size(), std::size(Cases));
}

TEST_F(LaunchStep, TheSameEntryCanBeStartedTwice) {
  Provide(FolderOf(3));
  Click(3);
  Click(3);
  EXPECT_EQ(World().Launches.size(), 2u);
}

TEST_F(LaunchStep, ExitClosesWithoutAQuestion) {
  Provide(FolderOf(3));
  Click(3);
  Click(7);

  EXPECT_TRUE(World().QuitRequested);
  EXPECT_TRUE(World().Boxes.empty());
  EXPECT_EQ(World().Launches.size(), 1u) << "nothing more is started";
  EXPECT_TRUE(World().RegistryQueries.empty());
}

TEST_F(LaunchStep, TagsWithoutAnEntryDoNothing) {
  for (const MenuEntry& E : ComponentEntries()) Provide(E.Folder);
  for (int Tag : {-1, 0, 1, 9, 100}) Click(Tag);

  EXPECT_TRUE(World().Launches.empty());
  EXPECT_TRUE(World().Boxes.empty());
  EXPECT_TRUE(World().RegistryQueries.empty());
  EXPECT_TRUE(World().DirChanges.empty()) << "the current directory was never touched";
  EXPECT_FALSE(World().QuitRequested);
}

}  // namespace
