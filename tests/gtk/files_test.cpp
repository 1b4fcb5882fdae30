// What is the GTK backend's own in its file functions, on the real file
// system: Linux names are bytes, so names outside GBK, names that are not
// UTF-8 at all, shell syntax and long paths (what every backend promises
// about files is the backend contract test's).

#include <gtest/gtest.h>
#include <unistd.h>
#include <vcl.h>

#include <climits>

#include "temp_folder.h"

namespace {

class FilesTest : public ::testing::Test {
protected:
  void SetUp() override { ASSERT_NE(getcwd(StartDir, sizeof StartDir), nullptr); }
  void TearDown() override { ASSERT_EQ(chdir(StartDir), 0); }

  std::string CurrentDir() {
    char Dir[PATH_MAX];
    return getcwd(Dir, sizeof Dir) ? Dir : "";
  }

  TempFolder Temp;
  char StartDir[PATH_MAX];
};

const std::string FolderNames[] = {
    "with spaces  in it",
    Utf8(u8"中文文件夹"),
    Utf8(u8"한국어 폴더"),          // Hangul: not in GBK
    Utf8(u8"emoji 😀 and 𠀀"),     // outside the BMP
    Utf8(u8"quote ' and \" and $(x)"),
    std::string(240, 'x'),
    "\xB9\xE2\xC5\xCC 1",  // 光盘 1 in GBK: a disc written on a Chinese Windows
    "caf\xE9 \xF4\x8F",      // Latin-1, and a cut-off sequence
};

TEST_F(FilesTest, FoldersAndFilesAreToldApartWhateverTheirNames) {
  for (const std::string& Name : FolderNames) {
    SCOPED_TRACE(Name);
    const std::string Dir = Temp / Name;
    ASSERT_EQ(g_mkdir(Dir.c_str(), 0755), 0);
    const std::string File = Dir + "/Setup.exe";
    MakeFile(File);

    EXPECT_TRUE(SetCurrentDir(Ansi(Dir)));
    EXPECT_EQ(CurrentDir(), Dir);
    EXPECT_TRUE(SetCurrentDir(Ansi(Dir + "/")));  // with the trailing delimiter the menu uses
    EXPECT_TRUE(FileExists(Ansi(File)));
    EXPECT_FALSE(FileExists(Ansi(Dir)));              // a folder is no file
    EXPECT_FALSE(SetCurrentDir(Ansi(File)));          // a file is no folder
    EXPECT_EQ(ExtractFileDir(Ansi(File)), Ansi(Dir));
  }
}

TEST_F(FilesTest, APathOf250CharactersAndMore) {
  std::string Dir = Temp.Path;
  while (Dir.size() < 250) Dir += "/" + std::string(40, 'd');
  ASSERT_EQ(g_mkdir_with_parents(Dir.c_str(), 0755), 0);
  MakeFile(Dir + "/Setup.exe");
  EXPECT_GE(Dir.size(), 250u);
  EXPECT_TRUE(SetCurrentDir(Ansi(Dir)));
  EXPECT_TRUE(FileExists(Ansi(Dir + "/Setup.exe")));
}

TEST_F(FilesTest, ExeNameOfAProgramInAFolderOutsideGbkKeepsEveryCharacter) {
  // The menu's folder, as code page 936 bytes, must lead back to the same
  // file name, so that the disc's folders are found beside it.
  const std::string Dir = Temp / Utf8(u8"光盘 한국어 😀");
  ASSERT_EQ(g_mkdir(Dir.c_str(), 0755), 0);
  const AnsiString Held = Ansi(Dir);
  EXPECT_EQ(vcl::gtk::ToUtf8(Held.View()), Dir);
  EXPECT_TRUE(SetCurrentDir(Held));
}

// The menu in a folder whose name is not UTF-8 finds the folders beside it:
// the name's bytes reach the file system unchanged.
TEST_F(FilesTest, AFolderWhoseNameIsNotUtf8IsFoundByTheMenusPaths) {
  const std::string Dir = Temp / "\xB9\xE2\xC5\xCC";
  ASSERT_EQ(g_mkdir(Dir.c_str(), 0755), 0);
  ASSERT_EQ(g_mkdir((Dir + "/KVServer").c_str(), 0755), 0);
  MakeFile(Dir + "/KVServer/Setup.exe");
  const AnsiString AppDir = ExtractFileDir(Ansi(Dir + "/menu")) + "/";
  EXPECT_TRUE(SetCurrentDir(AppDir + "KVServer/"));
  EXPECT_EQ(CurrentDir(), Dir + "/KVServer");
  EXPECT_TRUE(FileExists(AppDir + "KVServer/Setup.exe"));
  EXPECT_FALSE(SetCurrentDir(AppDir + "KVClient/"));
}

}  // namespace
