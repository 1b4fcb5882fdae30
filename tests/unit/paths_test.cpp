// The application folder and the file name functions it is made with.

#include "menu_fixture.h"

namespace {

// The folder the menu is started from, and the paths of the server entry's
// setup started from there.
struct FolderCase {
  const char* Case;
  const char* ExePath;
  const char* Folder;  // the application folder: the menu's current directory after the start
};

class ApplicationFolder : public MenuTest, public ::testing::WithParamInterface<FolderCase> {};

TEST_P(ApplicationFolder, HoldsTheSetupFoldersTheMenuStarts) {
#if defined(_WIN32)
  const std::string Delim = "\\";
#else
  const std::string Delim = "/";
#endif
  const FolderCase& C = GetParam();
  const std::string Setup = C.Folder + std::string(FolderOf(3)) + Delim + "Setup.exe";
  Start(C.ExePath);
  fake::AddFile(Setup);
  Click(3);
  ASSERT_EQ(World().Launches.size(), 1u);
  EXPECT_EQ(World().Launches[0].File, Setup);
  EXPECT_EQ(World().Launches[0].CurrentDir, C.Folder + std::string(FolderOf(3)) + Delim);
  EXPECT_EQ(World().CurrentDir, C.Folder);
}

#if defined(_WIN32)
const FolderCase FolderCases[] = {
    {"AtTheDiscRootIsTheRootItself", "D:\\menu.exe", "D:\\"},
    {"InAFolderEndsWithExactlyOneDelimiter", "D:\\cd\\menu.exe", "D:\\cd\\"},
    // 運 is DF 5C in code page 936
    {"EndingInACharacterWhoseSecondByteIsABackslashStillGetsItsDelimiter", "D:\\運\\menu.exe", "D:\\運\\"},
};
#else
const FolderCase FolderCases[] = {
    {"AtTheDiscRootIsTheRootItself", "/menu.exe", "/"},
    {"InAFolderEndsWithExactlyOneDelimiter", "/cd/menu.exe", "/cd/"},
    {"EndingInACharacterWhoseSecondByteIsABackslashStillGetsItsDelimiter", "/運/menu.exe", "/運/"},
};
#endif

INSTANTIATE_TEST_SUITE_P(Examples, ApplicationFolder, ::testing::ValuesIn(FolderCases),
                         [](const auto& Info) { return std::string(Info.param.Case); });

struct DirCase {
  const char* FileName;
  const char* Dir;
};

class ExtractFileDirCase : public ::testing::TestWithParam<DirCase> {};

TEST_P(ExtractFileDirCase, KeepsOnlyARootsDelimiter) {
  EXPECT_EQ(ExtractFileDir(GetParam().FileName), AnsiString(GetParam().Dir));
}

#if defined(_WIN32)
const DirCase DirCases[] = {
    {"D:\\menu.exe", "D:\\"},
    {"D:\\cd\\menu.exe", "D:\\cd"},
    {"D:\\光盘 1\\menu.exe", "D:\\光盘 1"},
    {"D:\\運\\menu.exe", "D:\\運"},      // 運 is DF 5C: its second byte is no delimiter
    {"D:\\運", "D:\\"},
    {"D:\\cd\\\\menu.exe", "D:\\cd\\\\"},  // a delimiter after a delimiter stays, as after a drive
    {"D:menu.exe", "D:"},
    {"\\\\server\\share\\menu.exe", "\\\\server\\share"},
    {"menu.exe", ""},
    {"", ""},
};
#else
const DirCase DirCases[] = {
    {"/menu", "/"},
    {"/cd/menu", "/cd"},
    {"/media/光盘 1/menu", "/media/光盘 1"},
    {"/運/menu", "/運"},
    {"menu", ""},
    {"", ""},
};
#endif

INSTANTIATE_TEST_SUITE_P(Paths, ExtractFileDirCase, ::testing::ValuesIn(DirCases));

// A path in quotes, such that the Windows command-line rules give it back
// whole: a Windows path is plainly quoted, byte for byte.
TEST(Paths, QuotedArgumentEscapesOnlyWhatTheCommandLineRulesWouldTakeApart) {
  struct Case {
    const char* Argument;
    const char* Quoted;
  };
  const Case Cases[] = {
      {"D:\\Microsoft SQL Server 2005 Express(32)\\setup.ini",
       "\"D:\\Microsoft SQL Server 2005 Express(32)\\setup.ini\""},
      {"D:\\運\\setup.ini", "\"D:\\運\\setup.ini\""},
      {"\\\\server\\share\\setup.ini", "\"\\\\server\\share\\setup.ini\""},
      {"/say \"hi\"/setup.ini", "\"/say \\\"hi\\\"/setup.ini\""},
      {"/a\\\"b", "\"/a\\\\\\\"b\""},  // the backslash before a quote doubled
      {"/a\\", "\"/a\\\\\""},            // and before the closing quote
      {"", "\"\""},
  };
  for (const Case& C : Cases) EXPECT_EQ(QuotedArgument(C.Argument), AnsiString(C.Quoted)) << C.Argument;
}

}  // namespace
