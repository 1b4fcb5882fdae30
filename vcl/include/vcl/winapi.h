#pragma once
// The few Windows user-interface and shell calls the menu makes.

#include <vcl/types.h>

namespace vcl {

// Starts File by the shell's Operation; returns at once. Parameters and
// Directory may be null. The result is greater than 32 on success.
HINSTANCE ShellExecuteA(HWND Owner, LPCSTR Operation, LPCSTR File, LPCSTR Parameters,
                        LPCSTR Directory, INT ShowCommand);

// A message box owned by Owner; blocks the caller until answered and
// disables only its owner. Returns the button chosen (IDYES, IDNO, ...).
int MessageBoxA(HWND Owner, LPCSTR Text, LPCSTR Caption, UINT Flags);

}  // namespace vcl
