// The application folder and the file name functions it is made with.

#include "menu_fixture.h"

namespace {

using ApplicationFolder = MenuTest;

TEST_F(ApplicationFolder, AtTheDiscRootIsTheRootItself) {
  Start(Root + "menu.exe");
  Provide("KVServer");
  Click(3);
  ASSERT_EQ(World().Launches.size(), 1u);
#if defined(_WIN32)
  EXPECT_EQ(World().Launches[0].File, "D:\\KVServer\\Setup.exe");
  EXPECT_EQ(World().CurrentDir, "D:\\");
#else
  EXPECT_EQ(World().Launches[0].File, "/KVServer/Setup.exe");
  EXPECT_EQ(World().CurrentDir, "/");
#endif
}

TEST_F(ApplicationFolder, InAFolderEndsWithExactlyOneDelimiter) {
  Start(OnDisc({"cd", "menu.exe"}));
  fake::AddFile(OnDisc({"cd", "KVServer", "Setup.exe"}));
  Click(3);
  ASSERT_EQ(World().Launches.size(), 1u);
#if defined(_WIN32)
  EXPECT_EQ(World().Launches[0].File, "D:\\cd\\KVServer\\Setup.exe");
  EXPECT_EQ(World().Launches[0].CurrentDir, "D:\\cd\\KVServer\\");
  EXPECT_EQ(World().CurrentDir, "D:\\cd\\");
#else
  EXPECT_EQ(World().Launches[0].File, "/cd/KVServer/Setup.exe");
  EXPECT_EQ(World().Launches[0].CurrentDir, "/cd/KVServer/");
  EXPECT_EQ(World().CurrentDir, "/cd/");
#endif
}

TEST_F(ApplicationFolder, EndingInACharacterWhoseSecondByteIsABackslashStillGetsItsDelimiter) {
  Start(OnDisc({"運", "menu.exe"}));  // 運 is DF 5C in code page 936
  fake::AddFile(OnDisc({"運", "KVServer", "Setup.exe"}));
  Click(3);
  ASSERT_EQ(World().Launches.size(), 1u);
  EXPECT_EQ(World().Launches[0].File, OnDisc({"運", "KVServer", "Setup.exe"}));
  EXPECT_EQ(World().CurrentDir, OnDisc({"運", ""}));
}

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
