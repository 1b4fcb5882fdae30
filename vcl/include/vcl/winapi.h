#pragma once
// The few Windows user-interface and shell calls the menu makes.

#include <vcl/types.h>

// The program's entry function, written by the program and called by the
// platform's start-up code (on Linux by the backend's main).
extern "C" int WINAPI WinMain(vcl::HINSTANCE Instance, vcl::HINSTANCE PrevInstance,
                              vcl::LPSTR CmdLine, int CmdShow);

namespace vcl {

// Starts File by the shell's Operation; returns once it is started. Parameters
// and Directory may be null. The result is greater than 32 on success; on
// failure GetLastError tells why.
HINSTANCE ShellExecuteA(HWND Owner, LPCSTR Operation, LPCSTR File, LPCSTR Parameters,
                        LPCSTR Directory, INT ShowCommand);

// The error code of the last call of this layer that failed (0 if the
// system gave none).
DWORD GetLastError();
// The operation was cancelled by the user: a No to an elevation prompt.
inline constexpr DWORD ERROR_CANCELLED = 1223;

// A message box owned by Owner; blocks the caller until answered and
// disables only its owner. Returns the button chosen (IDYES, IDNO, ...).
int MessageBoxA(HWND Owner, LPCSTR Text, LPCSTR Caption, UINT Flags);

// The pointer position in screen coordinates.
BOOL GetCursorPos(TPoint* Point);
// Converts *Point from screen coordinates to Window's client coordinates.
BOOL ScreenToClient(HWND Window, TPoint* Point);
// True when Left <= x < Right and Top <= y < Bottom.
inline BOOL PtInRect(const TRect* Rect, TPoint Point) noexcept {
  return Point.x >= Rect->Left && Point.x < Rect->Right && Point.y >= Rect->Top &&
         Point.y < Rect->Bottom;
}

}  // namespace vcl
