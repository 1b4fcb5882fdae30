// The registry over the wide Win32 calls:
//   OpenRegistry, CloseRegistry  nothing held between calls
//   KeyExists                    RegOpenKeyExW for reading, RegCloseKey at once
//
// A 32-bit program on 64-bit Windows reads the 32-bit view of
// HKEY_LOCAL_MACHINE\SOFTWARE, while a 64-bit SQL Server registers itself in
// the 64-bit view. A key counts as present if it exists in either view.

#include "win32_backend.h"

namespace vcl::backend {

struct RegistrySession {};

RegistrySession* OpenRegistry() { return new RegistrySession; }

void CloseRegistry(RegistrySession* Session) { delete Session; }

bool KeyExists(RegistrySession&, vcl::HKEY Root, const AnsiString& Key) {
  const std::wstring Path = win32::Wide(Key);
  // The program's own view first, then both explicit views. 32-bit Windows
  // ignores the view flags, so there all three ask the same question.
  for (const REGSAM View : {REGSAM{0}, REGSAM{KEY_WOW64_64KEY}, REGSAM{KEY_WOW64_32KEY}}) {
    ::HKEY Opened = nullptr;
    if (RegOpenKeyExW(reinterpret_cast<::HKEY>(Root), Path.c_str(), 0, KEY_READ | View, &Opened) ==
        ERROR_SUCCESS) {
      RegCloseKey(Opened);
      return true;
    }
  }
  return false;
}

}  // namespace vcl::backend
