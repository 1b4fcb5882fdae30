// A stand-in for a setup program on the disc. Started by the menu, it
// appends what it was started with to the file named by MENU_SETUP_RECORD
// (UTF-8, one record per start):
//
//   pid=1234
//   exe=D:\KVServer\Setup.exe
//   cwd=D:\KVServer
//   cmdline="D:\KVServer\Setup.exe"
//   arg=...            one line per argument, split by the Windows rules
//   end
//
// and then keeps running, as a real setup would, until the event named
// DiscMenuSetupRelease is set (or a minute has passed), so that a test can
// see it outlive the menu.

#include <windows.h>
#include <shellapi.h>

#include <string>

namespace {

std::string Utf8(const wchar_t* Text) {
  const int Length = WideCharToMultiByte(CP_UTF8, 0, Text, -1, nullptr, 0, nullptr, nullptr);
  if (Length <= 1) return {};
  std::string Result(static_cast<std::size_t>(Length - 1), '\0');
  WideCharToMultiByte(CP_UTF8, 0, Text, -1, Result.data(), Length, nullptr, nullptr);
  return Result;
}

std::string Record() {
  wchar_t Buffer[32768];
  std::string Text = "pid=" + std::to_string(GetCurrentProcessId()) + "\n";
  GetModuleFileNameW(nullptr, Buffer, 32768);
  Text += "exe=" + Utf8(Buffer) + "\n";
  GetCurrentDirectoryW(32768, Buffer);
  Text += "cwd=" + Utf8(Buffer) + "\n";
  const wchar_t* CommandLine = GetCommandLineW();
  Text += "cmdline=" + Utf8(CommandLine) + "\n";
  int Count = 0;
  wchar_t** Arguments = CommandLineToArgvW(CommandLine, &Count);
  for (int I = 1; Arguments && I < Count; ++I) Text += "arg=" + Utf8(Arguments[I]) + "\n";
  LocalFree(Arguments);
  return Text + "end\n";
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  wchar_t Path[32768];
  if (!GetEnvironmentVariableW(L"MENU_SETUP_RECORD", Path, 32768)) return 2;
  // Created before the record is written, so that whoever reads the record
  // finds the event there to release us.
  const HANDLE Release = CreateEventW(nullptr, TRUE, FALSE, L"DiscMenuSetupRelease");
  const std::string Text = Record();
  // FILE_APPEND_DATA alone: every write goes to the end, so two stand-ins
  // started at once do not overwrite each other's record.
  const HANDLE File = CreateFileW(Path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (File == INVALID_HANDLE_VALUE) return 3;
  DWORD Written = 0;
  WriteFile(File, Text.data(), static_cast<DWORD>(Text.size()), &Written, nullptr);
  CloseHandle(File);
  WaitForSingleObject(Release, 60000);
  return 0;
}
