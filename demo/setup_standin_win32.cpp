// A stand-in for the setup programs of the demo disc, for Windows. It shows
// which component it would install (the name of its folder), its working
// directory and its command line in a message box a person can close.
//
// When the environment names a record file in MENU_SETUP_RECORD (the
// tests do), it shows nothing: it appends what it was started with to that
// file (UTF-8, one record per start)
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

std::wstring ModulePath() {
  wchar_t Path[32768];
  const DWORD Length = GetModuleFileNameW(nullptr, Path, 32768);
  return {Path, Length};
}

std::wstring CurrentDirectory() {
  wchar_t Path[32768];
  const DWORD Length = GetCurrentDirectoryW(32768, Path);
  return {Path, Length < 32768 ? Length : 0};
}

// The folder the program lies in, by name only.
std::wstring ComponentName() {
  std::wstring Folder = ModulePath();
  Folder.erase(Folder.find_last_of(L'\\'));
  return Folder.substr(Folder.find_last_of(L'\\') + 1);
}

// The command line after the program's own name (quoted or not).
std::wstring Arguments() {
  const wchar_t* P = GetCommandLineW();
  if (*P == L'"') {
    for (++P; *P && *P != L'"'; ++P) {
    }
    if (*P) ++P;
  } else {
    while (*P && *P != L' ' && *P != L'\t') ++P;
  }
  return P;
}

std::string Utf8(const std::wstring& Text) {
  if (Text.empty()) return {};
  const int Length = WideCharToMultiByte(CP_UTF8, 0, Text.data(), static_cast<int>(Text.size()),
                                         nullptr, 0, nullptr, nullptr);
  std::string Result(static_cast<std::size_t>(Length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, Text.data(), static_cast<int>(Text.size()), Result.data(), Length,
                      nullptr, nullptr);
  return Result;
}

std::string Record() {
  std::string Text = "pid=" + std::to_string(GetCurrentProcessId()) + "\n";
  Text += "exe=" + Utf8(ModulePath()) + "\n";
  Text += "cwd=" + Utf8(CurrentDirectory()) + "\n";
  const wchar_t* CommandLine = GetCommandLineW();
  Text += "cmdline=" + Utf8(CommandLine) + "\n";
  int Count = 0;
  wchar_t** Split = CommandLineToArgvW(CommandLine, &Count);
  for (int I = 1; Split && I < Count; ++I) Text += "arg=" + Utf8(Split[I]) + "\n";
  LocalFree(Split);
  return Text + "end\n";
}

int RecordAndWait(const wchar_t* Path) {
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

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  wchar_t RecordPath[32768];
  if (GetEnvironmentVariableW(L"MENU_SETUP_RECORD", RecordPath, 32768)) return RecordAndWait(RecordPath);
  const std::wstring Text = L"这是演示光盘上的安装程序替身。\n\n组件：" + ComponentName() +
                            L"\n工作目录：" + CurrentDirectory() + L"\n参数：" + Arguments();
  MessageBoxW(nullptr, Text.c_str(), L"演示安装程序", MB_OK | MB_ICONINFORMATION);
  return 0;
}
