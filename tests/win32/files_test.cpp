// What is the Win32 backend's own in its file functions and its text
// conversion, against Wine's real file system: names outside GBK, which
// only a system with GB18030 holds, and the conversion itself (what every
// backend promises about files is the backend contract test's). The
// layer's paths are plain literals, which the build compiles to GB18030
// bytes; the native side is set up with wide literals, so each side is
// written independently of the backend.

#include <vcl/forms.h>
#include <vcl/sysutils.h>

#include <gtest/gtest.h>

#include "scratch_folder.h"
#include "win32/win32_backend.h"

namespace {

using vcl::AnsiString;
using vcl::FileExists;
using vcl::SetCurrentDir;
namespace win32 = vcl::win32;

// GB18030 is code page 54936 where the system has it (Windows XP and
// later; Wine 8 has not), else the backend works in 936.
bool HasGb18030() { return IsValidCodePage(54936) != 0; }

// The layer's text for a wide path: its GB18030 (or GBK) bytes, converted
// here and not by the backend under test.
AnsiString Layer(const std::wstring& Path) {
  char Bytes[4 * MAX_PATH];
  const int Length = WideCharToMultiByte(HasGb18030() ? 54936 : 936, 0, Path.c_str(), -1, Bytes,
                                         sizeof Bytes, nullptr, nullptr);
  return Length > 0 ? AnsiString(Bytes) : AnsiString();
}

std::wstring CurrentDir() {
  wchar_t Buffer[MAX_PATH];
  GetCurrentDirectoryW(MAX_PATH, Buffer);
  return Buffer;
}

class Files : public ::testing::Test {
protected:
  void SetUp() override { Saved = CurrentDir(); }
  void TearDown() override { SetCurrentDirectoryW(Saved.c_str()); }
  ScratchFolder Scratch;
  std::wstring Saved;
};

struct PathCase {
  const wchar_t* Name;  // inside the scratch folder
  bool IsFolder;        // made as a folder, else as a file
};

// Each path is made in the scratch folder, entered (folders) and tested
// for a file.
void CheckPaths(const ScratchFolder& Scratch, std::initializer_list<PathCase> Cases) {
  for (const PathCase& Case : Cases) {
    const std::wstring Path = Case.IsFolder ? Scratch.Folder(Case.Name) : Scratch.File(Case.Name);
    SCOPED_TRACE(Layer(Path).c_str());
    EXPECT_EQ(SetCurrentDir(Layer(Path)), Case.IsFolder);
    if (Case.IsFolder) {
      EXPECT_EQ(CurrentDir(), Path);
      // With the trailing delimiter the menu's entry folders have.
      EXPECT_TRUE(SetCurrentDir(Layer(Path + L"\\")));
    }
    EXPECT_EQ(FileExists(Layer(Path)), !Case.IsFolder);
  }
}

TEST_F(Files, FoldersAndFilesWithNamesOutsideGbk) {
  if (!HasGb18030()) GTEST_SKIP() << "this system has no code page 54936 (GB18030)";
  CheckPaths(Scratch, {
                          {L"한국어 폴더", true},
                          {L"😀.exe", false},  // outside the BMP: a surrogate pair
                      });
}

struct TextCase {
  const char* Bytes;     // compiled to GB18030
  const wchar_t* Wide;
};

void CheckText(std::initializer_list<TextCase> Cases) {
  for (const TextCase& Case : Cases) {
    EXPECT_EQ(win32::Wide(Case.Bytes), Case.Wide) << Case.Bytes;
    EXPECT_EQ(win32::Narrow(Case.Wide), AnsiString(Case.Bytes)) << Case.Bytes;
  }
}

TEST(Text, ConvertsGbkBothWays) {
  CheckText({
      {"", L""},
      {"D:\\KVServer\\Setup.exe", L"D:\\KVServer\\Setup.exe"},
      {"文件夹 'D:\\KVServer\\' 不存在！", L"文件夹 'D:\\KVServer\\' 不存在！"},
      {"请确认您的当前操作系统是32位或者64位,<是>32位 <否>64位!",
       L"请确认您的当前操作系统是32位或者64位,<是>32位 <否>64位!"},
  });
  // The exclamation mark of the messages is the full-width one: A3 A1.
  EXPECT_EQ(win32::Narrow(L"！"), AnsiString("\xA3\xA1"));
}

TEST(Text, ConvertsTheRestOfUnicodeBothWays) {
  if (!HasGb18030()) GTEST_SKIP() << "this system has no code page 54936 (GB18030)";
  CheckText({{"한국어 😀", L"한국어 😀"}});
}

}  // namespace
