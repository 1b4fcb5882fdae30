// The Windows version over the Win32 calls:
//   WindowsMajorVersion  GetVersionExW, asked once

#include "win32_backend.h"

namespace vcl::backend {

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
