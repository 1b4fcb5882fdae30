#include <vcl/winapi.h>

#include <cstdint>

#include "backend.h"

namespace vcl {

HINSTANCE ShellExecuteA(HWND Owner, LPCSTR Operation, LPCSTR File, LPCSTR Parameters,
                        LPCSTR Directory, INT ShowCommand) {
  const int Result =
      backend::StartShellOperation(Owner, Operation, File, Parameters, Directory, ShowCommand);
  return reinterpret_cast<HINSTANCE>(static_cast<std::intptr_t>(Result));
}

int MessageBoxA(HWND Owner, LPCSTR Text, LPCSTR Caption, UINT Flags) {
  return backend::OwnedMessageBox(Owner, Text ? Text : "", Caption ? Caption : "", Flags);
}

}  // namespace vcl
