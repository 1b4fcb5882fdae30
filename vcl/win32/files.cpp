// The process and its files over the wide Win32 calls:
//   ExecutablePath    GetModuleFileNameW
//   ChangeCurrentDir  SetCurrentDirectoryW
//   IsFile            GetFileAttributesW

#include "win32_backend.h"

#include <string_view>
#include <vector>

namespace vcl::backend {

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

}  // namespace vcl::backend
