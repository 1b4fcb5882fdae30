// Process and files over the wide Win32 calls:
//   ExecutablePath       GetModuleFileNameW
//   ChangeCurrentDir     SetCurrentDirectoryW
//   IsFile               GetFileAttributesW
//   WindowsMajorVersion  GetVersionExW
// and, at start, the DLL search path cut down to the system's own folders,
// so that no DLL on the disc beside the program is ever loaded.

#include "native.h"

#include <string_view>
#include <vector>

namespace vcl::win32 {

FARPROC SystemProcedure(const wchar_t* Dll, const char* Name) {
  wchar_t Path[MAX_PATH];
  const UINT Length = GetSystemDirectoryW(Path, MAX_PATH);
  if (Length == 0 || Length + 1 + wcslen(Dll) >= MAX_PATH) return nullptr;
  std::wstring Full(Path, Length);
  Full += L'\\';
  Full += Dll;
  // Loaded for good: the functions are used until the program ends.
  const ::HMODULE Module = LoadLibraryW(Full.c_str());
  return Module ? GetProcAddress(Module, Name) : nullptr;
}

}  // namespace vcl::win32

namespace vcl::backend {

namespace {

// Runs before the program's own code. Both calls are looked up rather than
// imported: SetDllDirectoryW came with Windows XP SP1 and
// SetDefaultDllDirectories with Windows 8 (or Windows 7 with KB2533623),
// and the program must still start where they are missing.
struct DllSearchPath {
  DllSearchPath() {
    // An empty string takes the current directory out of the search path.
    if (auto* SetDllDirectoryPtr = win32::SystemFunction<BOOL WINAPI(LPCWSTR)>(L"kernel32.dll", "SetDllDirectoryW"))
      SetDllDirectoryPtr(L"");
    // Only System32 for every later load: the program's own folder (the
    // disc) is searched no more either.
    if (auto* SetDefaultDllDirectoriesPtr =
            win32::SystemFunction<BOOL WINAPI(DWORD)>(L"kernel32.dll", "SetDefaultDllDirectories"))
      SetDefaultDllDirectoriesPtr(0x00000800 /* LOAD_LIBRARY_SEARCH_SYSTEM32 */);
  }
} const AtStart;

}  // namespace

AnsiString ExecutablePath() {
  // GetModuleFileNameW truncates without failing when the buffer is too
  // short, so grow it until the name fits.
  std::vector<wchar_t> Buffer(MAX_PATH);
  for (;;) {
    const DWORD Length = GetModuleFileNameW(nullptr, Buffer.data(), static_cast<DWORD>(Buffer.size()));
    if (Length == 0) return {};
    if (Length < Buffer.size()) {
      // A name the layer's text cannot hold (where the system lacks GB18030,
      // any character outside code page 936) would lead every entry to a
      // folder of another name: no path rather than a wrong one.
      AnsiString Path = win32::Narrow(Buffer.data());
      if (win32::Wide(Path) != std::wstring_view(Buffer.data(), Length)) return {};
      return Path;
    }
    Buffer.resize(Buffer.size() * 2);
  }
}

bool ChangeCurrentDir(const AnsiString& Dir) {
  return SetCurrentDirectoryW(win32::Wide(Dir).c_str()) != 0;
}

bool IsFile(const AnsiString& Path) {
  const DWORD Attributes = GetFileAttributesW(win32::Wide(Path).c_str());
  return Attributes != INVALID_FILE_ATTRIBUTES && !(Attributes & FILE_ATTRIBUTE_DIRECTORY);
}

int WindowsMajorVersion() {
  // The version the system reports to this program: with the manifest's
  // list of supported systems, the real one up to Windows 10. Asked once.
  static const int Major = [] {
    OSVERSIONINFOW Info{};
    Info.dwOSVersionInfoSize = sizeof Info;
    return GetVersionExW(&Info) ? static_cast<int>(Info.dwMajorVersion) : 0;
  }();
  return Major;
}

}  // namespace vcl::backend
