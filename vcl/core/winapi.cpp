#include <vcl/winapi.h>

#include <cstdint>

#include "backend.h"

namespace vcl {

namespace {

// Everything runs on the one GUI thread.
DWORD LastError = 0;

}  // namespace

HINSTANCE ShellExecuteA(HWND Owner, LPCSTR Operation, LPCSTR File, LPCSTR Parameters,
                        LPCSTR Directory, INT ShowCommand) {
  const backend::ShellOutcome Outcome =
      backend::StartShellOperation(Owner, Operation, File, Parameters, Directory, ShowCommand);
  if (Outcome.Result <= 32) LastError = Outcome.Error;
  return reinterpret_cast<HINSTANCE>(static_cast<std::intptr_t>(Outcome.Result));
}

DWORD GetLastError() { return LastError; }

int MessageBoxA(HWND Owner, LPCSTR Text, LPCSTR Caption, UINT Flags) {
  return backend::OwnedMessageBox(Owner, Text ? Text : "", Caption ? Caption : "", Flags);
}

BOOL GetCursorPos(TPoint* Point) {
  if (!Point) return 0;
  *Point = backend::CursorPos();
  return 1;
}

BOOL ScreenToClient(HWND Window, TPoint* Point) {
  if (!Point) return 0;
  const TPoint Origin = backend::ClientOrigin(Window);
  Point->x -= Origin.x;
  Point->y -= Origin.y;
  return 1;
}

}  // namespace vcl
