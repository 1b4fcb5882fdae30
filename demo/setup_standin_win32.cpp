// A stand-in for the setup programs of the demo disc, for Windows. It shows
// which component it would install (the name of its folder), its working
// directory and its command line in a message box a person can close.

#include <windows.h>

#include <string>

namespace {

// The folder the program lies in, by name only.
std::wstring ComponentName() {
  wchar_t Path[MAX_PATH];
  const DWORD Length = GetModuleFileNameW(nullptr, Path, MAX_PATH);
  std::wstring Folder(Path, Length);
  Folder.erase(Folder.find_last_of(L'\\'));
  return Folder.substr(Folder.find_last_of(L'\\') + 1);
}

std::wstring CurrentDirectory() {
  wchar_t Path[MAX_PATH];
  const DWORD Length = GetCurrentDirectoryW(MAX_PATH, Path);
  return {Path, Length < MAX_PATH ? Length : 0};
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

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  const std::wstring Text = L"这是演示光盘上的安装程序替身。\n\n组件：" + ComponentName() +
                            L"\n工作目录：" + CurrentDirectory() + L"\n参数：" + Arguments();
  MessageBoxW(nullptr, Text.c_str(), L"演示安装程序", MB_OK | MB_ICONINFORMATION);
  return 0;
}
