// The system colours over the Win32 calls:
//   SystemColor  GetSysColor, the user's own colour scheme

#include "win32_backend.h"

namespace vcl::backend {

std::uint32_t SystemColor(int Index) {
  const COLORREF Color = GetSysColor(Index);
  return std::uint32_t{GetRValue(Color)} << 16 | std::uint32_t{GetGValue(Color)} << 8 |
         GetBValue(Color);
}

}  // namespace vcl::backend
