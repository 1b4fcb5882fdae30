// Starting a program through the shell, as the launch step does: the
// stand-in setup program, copied into a folder whose name holds spaces and
// Chinese characters, records how it was started.

#include <vcl/sysutils.h>

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

#include "scratch_folder.h"
#include "win32/win32_backend.h"

namespace {

// The stand-in's path: the build gives its Linux path, which Wine maps to Z:.
std::wstring StandIn() {
  wchar_t Unix[MAX_PATH] = {};
  GetEnvironmentVariableW(L"MENU_STANDIN", Unix, MAX_PATH);
  std::wstring Path = std::wstring(L"Z:") + Unix;
  for (wchar_t& C : Path)
    if (C == L'/') C = L'\\';
  return Path;
}

// The stand-in's record, once it is complete (ends with "end").
std::string WaitForRecord(const std::wstring& File) {
  for (int Try = 0; Try < 200; ++Try) {
    std::ifstream In(File.c_str(), std::ios::binary);
    std::stringstream Text;
    Text << In.rdbuf();
    if (Text.str().ends_with("end\n")) return Text.str();
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return {};
}

std::string Utf8(const std::wstring& Text) {
  char Buffer[4 * MAX_PATH];
  WideCharToMultiByte(CP_UTF8, 0, Text.c_str(), -1, Buffer, sizeof Buffer, nullptr, nullptr);
  return Buffer;
}

class Shell : public ::testing::Test {
protected:
  void TearDown() override {
    SetEnvironmentVariableW(L"MENU_SETUP_RECORD", nullptr);
    if (const HANDLE Release = OpenEventW(EVENT_MODIFY_STATE, FALSE, L"DiscMenuSetupRelease")) {
      SetEvent(Release);
      CloseHandle(Release);
    }
  }
  ScratchFolder Scratch;
};

TEST_F(Shell, StartsTheProgramInTheCurrentDirectoryWithItsParameters) {
  const std::wstring Folder = Scratch.Folder(L"光盘 安装");
  const std::wstring Setup = Folder + L"\\Setup.exe";
  ASSERT_TRUE(CopyFileW(StandIn().c_str(), Setup.c_str(), FALSE)) << Utf8(StandIn());
  const std::wstring Record = Scratch.Path + L"\\launches.txt";
  SetEnvironmentVariableW(L"MENU_SETUP_RECORD", Record.c_str());

  ASSERT_TRUE(vcl::SetCurrentDir(vcl::win32::Narrow((Folder + L"\\").c_str())));
  // The settings argument as the database entry builds it.
  const vcl::AnsiString Parameters =
      " /settings \"" + vcl::win32::Narrow((Folder + L"\\setup.ini").c_str()) + "\" ";
  const auto Outcome = vcl::backend::StartShellOperation(nullptr, "open", vcl::win32::Narrow(Setup.c_str()).c_str(),
                                                         Parameters.c_str(), nullptr, SW_SHOWNORMAL);
  EXPECT_GT(Outcome.Result, 32);

  const std::string Text = WaitForRecord(Record);
  EXPECT_NE(Text.find("\nexe=" + Utf8(Setup) + "\n"), std::string::npos) << Text;
  EXPECT_NE(Text.find("\ncwd=" + Utf8(Folder) + "\n"), std::string::npos) << Text;
  EXPECT_NE(Text.find("\narg=/settings\narg=" + Utf8(Folder) + "\\setup.ini\nend\n"), std::string::npos)
      << Text;
}

// A program that cannot be started fails with the system's error code,
// which the system puts in words.
TEST_F(Shell, AProgramThatCannotStartFailsWithTheSystemsReason) {
  const std::wstring Damaged = Scratch.Folder(L"损坏") + L"\\Setup.exe";
  const HANDLE File = CreateFileW(Damaged.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(File, INVALID_HANDLE_VALUE);
  DWORD Written = 0;
  WriteFile(File, "MZ damaged", 10, &Written, nullptr);
  CloseHandle(File);
  const std::wstring Missing = Scratch.Path + L"\\不存在\\Setup.exe";
  for (const std::wstring& Path : {Damaged, Missing}) {
    SCOPED_TRACE(Utf8(Path));
    const auto Outcome = vcl::backend::StartShellOperation(nullptr, "open", vcl::win32::Narrow(Path.c_str()).c_str(),
                                                           "", nullptr, SW_SHOWNORMAL);
    EXPECT_LE(Outcome.Result, 32);
    EXPECT_NE(Outcome.Error, 0u);
    EXPECT_NE(Outcome.Error, static_cast<vcl::DWORD>(ERROR_CANCELLED));
    EXPECT_FALSE(vcl::backend::SystemErrorText(Outcome.Error).IsEmpty()) << Outcome.Error;
  }
}

}  // namespace
