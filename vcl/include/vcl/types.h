#pragma once
// The Windows types and constants that the menu and the platform layer share.

#include <cstdint>

namespace vcl {

struct HWND__;
struct HINSTANCE__;
struct HKEY__;
using HWND = HWND__*;            // a window; opaque, its value belongs to the backend
using HINSTANCE = HINSTANCE__*;
using HKEY = HKEY__*;            // a registry root key
using LPCSTR = const char*;
using LPSTR = char*;
using UINT = unsigned int;
using DWORD = std::uint32_t;
using INT = int;
using BOOL = int;

// The calling convention of the Windows API (stdcall on 32-bit x86).
#if defined(_WIN32) && defined(__i386__)
#define WINAPI __attribute__((stdcall))
#else
#define WINAPI
#endif

// The predefined root keys: 32-bit values, sign-extended in a 64-bit build
// as Windows defines them.
inline HKEY PredefinedKey(std::uint32_t Value) {
  return reinterpret_cast<HKEY>(static_cast<std::intptr_t>(static_cast<std::int32_t>(Value)));
}
inline const HKEY HKEY_CLASSES_ROOT = PredefinedKey(0x80000000);
inline const HKEY HKEY_CURRENT_USER = PredefinedKey(0x80000001);
inline const HKEY HKEY_LOCAL_MACHINE = PredefinedKey(0x80000002);
inline const HKEY HKEY_USERS = PredefinedKey(0x80000003);

struct TPoint {
  std::int32_t x = 0;
  std::int32_t y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

// A rectangle in client coordinates: a point is inside when
// Left <= x < Right and Top <= y < Bottom.
struct TRect {
  std::int32_t Left = 0;
  std::int32_t Top = 0;
  std::int32_t Right = 0;
  std::int32_t Bottom = 0;
  std::int32_t Width() const noexcept { return Right - Left; }
  std::int32_t Height() const noexcept { return Bottom - Top; }
  bool IsEmpty() const noexcept { return Left >= Right || Top >= Bottom; }
  friend bool operator==(const TRect&, const TRect&) = default;
};

// The rectangle both A and B cover (empty if they do not meet).
inline TRect Intersection(const TRect& A, const TRect& B) noexcept {
  return {A.Left > B.Left ? A.Left : B.Left, A.Top > B.Top ? A.Top : B.Top,
          A.Right < B.Right ? A.Right : B.Right, A.Bottom < B.Bottom ? A.Bottom : B.Bottom};
}

// Message box flags and answers.
inline constexpr UINT MB_OK = 0x00;
inline constexpr UINT MB_YESNO = 0x04;
inline constexpr UINT MB_ICONSTOP = 0x10;
inline constexpr UINT MB_ICONQUESTION = 0x20;
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

// Show commands.
inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOWNORMAL = 1;
inline constexpr int SW_SHOWMINIMIZED = 2;
inline constexpr int SW_SHOWMAXIMIZED = 3;

}  // namespace vcl
