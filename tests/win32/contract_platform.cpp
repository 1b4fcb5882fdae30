// The contract test's platform on Windows (under Wine here): the wide
// Win32 calls, the real registry in both of its views, and the display
// of the test's runner.

#include "contract_platform.h"

// <windows.h> through the backend's header, which must come first.
#include "win32/win32_backend.h"

#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "scratch_folder.h"

// The registry views mean what the contract test says only from a 32-bit
// program, as the product is.
static_assert(sizeof(void*) == 4, "the Windows tests run 32-bit code");

namespace contract {

namespace {

std::wstring WideFromUtf8(std::string_view Utf8) {
  if (Utf8.empty()) return {};
  const int Length = MultiByteToWideChar(CP_UTF8, 0, Utf8.data(), static_cast<int>(Utf8.size()), nullptr, 0);
  std::wstring Result(static_cast<std::size_t>(Length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, Utf8.data(), static_cast<int>(Utf8.size()), Result.data(), Length);
  return Result;
}

// The layer's bytes of a wide text: GB18030 where the system has it, else
// code page 936, converted here and not by the backend.
vcl::AnsiString Layer(const std::wstring& Text) {
  const UINT CodePage = IsValidCodePage(54936) ? 54936 : 936;
  const int Length = WideCharToMultiByte(CodePage, 0, Text.c_str(), -1, nullptr, 0, nullptr, nullptr);
  if (Length <= 1) return {};
  std::string Bytes(static_cast<std::size_t>(Length - 1), '\0');
  WideCharToMultiByte(CodePage, 0, Text.c_str(), -1, Bytes.data(), Length, nullptr, nullptr);
  return vcl::AnsiString(std::string_view(Bytes));
}

// Name with '/' between folders as a path below Base.
std::wstring Below(const std::wstring& Base, std::string_view Name) {
  std::wstring Path = Base + L"\\" + WideFromUtf8(Name);
  for (wchar_t& C : Path)
    if (C == L'/') C = L'\\';
  return Path;
}

}  // namespace

void StartPlatform(int&, char**) {}

int ExpectedWindowsMajorVersion() {
  // GetVersion, a call of its own, packs the major version in its low byte.
  return LOBYTE(LOWORD(GetVersion()));
}

struct Scratch::Native {
  ScratchFolder Folder;
};

Scratch::Scratch() : Folder(new Native) {}
Scratch::~Scratch() = default;

vcl::AnsiString Scratch::MakeFolder(std::string_view Name) const {
  const std::wstring Path = Below(Folder->Folder.Path, Name);
  CreateDirectoryW(Path.c_str(), nullptr);
  return Layer(Path);
}

vcl::AnsiString Scratch::MakeFile(std::string_view Name) const {
  const std::wstring Path = Below(Folder->Folder.Path, Name);
  CloseHandle(CreateFileW(Path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  return Layer(Path);
}

vcl::AnsiString Scratch::PathOf(std::string_view Name) const { return Layer(Below(Folder->Folder.Path, Name)); }

vcl::AnsiString CurrentFolder() {
  wchar_t Path[MAX_PATH];
  return GetCurrentDirectoryW(MAX_PATH, Path) ? Layer(Path) : vcl::AnsiString();
}

vcl::AnsiString OwnExecutable() {
  wchar_t Path[MAX_PATH];
  return GetModuleFileNameW(nullptr, Path, MAX_PATH) ? Layer(Path) : vcl::AnsiString();
}

struct ScratchKeys::Native {
  std::wstring Base = L"SOFTWARE\\DiscMenuContract " + std::to_wstring(GetCurrentProcessId());
  std::vector<std::pair<std::wstring, REGSAM>> Made;
};

ScratchKeys::ScratchKeys() : Keys(new Native) {}

ScratchKeys::~ScratchKeys() {
  for (const auto& [Key, View] : Keys->Made) {
    RegDeleteKeyExW(HKEY_LOCAL_MACHINE, Key.c_str(), View, 0);
    RegDeleteKeyExW(HKEY_LOCAL_MACHINE, Keys->Base.c_str(), View, 0);
  }
}

void ScratchKeys::Make(std::string_view Name, View In) {
  const REGSAM Flag = In == View::Only64 ? KEY_WOW64_64KEY : In == View::Only32 ? KEY_WOW64_32KEY : 0;
  const std::wstring Key = Below(Keys->Base, Name);
  ::HKEY Made = nullptr;
  if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, Key.c_str(), 0, nullptr, 0, KEY_WRITE | Flag, nullptr, &Made,
                      nullptr) == ERROR_SUCCESS)
    RegCloseKey(Made);
  Keys->Made.push_back({Key, Flag});
  // A key of one view only must be out of the other's sight, else finding
  // it in "either view" would prove nothing.
  if (Flag) {
    const REGSAM Other = Flag == KEY_WOW64_64KEY ? KEY_WOW64_32KEY : KEY_WOW64_64KEY;
    ::HKEY Seen = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, Key.c_str(), 0, KEY_READ | Other, &Seen) == ERROR_SUCCESS) {
      RegCloseKey(Seen);
      ADD_FAILURE() << "a key made in one registry view is seen in the other";
    }
  }
}

vcl::AnsiString ScratchKeys::Base() const { return Layer(Keys->Base); }

namespace {

// What a thread timer of the test runs; one at a time.
std::function<bool()> Pending;

void CALLBACK OnTimer(::HWND, UINT, UINT_PTR Timer, DWORD) {
  // Done when it says so; the timer stops first, since Pending may open a
  // message box whose own loop would run this timer again.
  KillTimer(nullptr, Timer);
  auto Step = std::move(Pending);
  if (!Step()) {
    Pending = std::move(Step);
    SetTimer(nullptr, 0, 20, OnTimer);
  }
}

void Every20ms(std::function<bool()> Step) {
  Pending = std::move(Step);
  SetTimer(nullptr, 0, 20, OnTimer);
}

BOOL CALLBACK FindBox(::HWND Window, LPARAM Found) {
  wchar_t Class[16];
  if (GetClassNameW(Window, Class, 16) && std::wstring_view(Class) == L"#32770" && IsWindowVisible(Window)) {
    *reinterpret_cast<::HWND*>(Found) = Window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

void WhileShown(vcl::TForm& Form, const std::function<void()>& Then) {
  const ::HWND Window = vcl::win32::Native(Form.Handle);
  Every20ms([Window, &Then] {
    if (!IsWindowVisible(Window)) return false;
    Then();
    vcl::backend::QuitMessageLoop();
    return true;
  });
  vcl::backend::RunMessageLoop(Form);
}

vcl::TPoint WindowCorner(vcl::HWND Window) {
  RECT Frame{};
  GetWindowRect(vcl::win32::Native(Window), &Frame);
  return {Frame.left, Frame.top};
}

vcl::TPoint ScreenSize() { return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

void WhileTheNextBoxIsShown(const std::function<void()>& Probe, int Button) {
  // The box's own modal loop dispatches this thread's timers.
  Every20ms([Probe, Button] {
    ::HWND Box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindBox, reinterpret_cast<LPARAM>(&Box));
    if (!Box) return false;
    Probe();
    PostMessageW(Box, WM_COMMAND, MAKEWPARAM(Button, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(Box, Button)));
    return true;
  });
}

bool TakesInput(vcl::HWND Window) { return IsWindowEnabled(vcl::win32::Native(Window)) != 0; }

}  // namespace contract
