// The shell over its wide call:
//   StartShellOperation  ShellExecuteW

#include "native.h"

#include <shellapi.h>

#include <cstdint>

namespace vcl::backend {

int StartShellOperation(vcl::HWND Owner, const char* Operation, const char* File,
                        const char* Parameters, const char* Directory, int ShowCommand) {
  const win32::OptionalWide WideOperation(Operation), WideFile(File), WideParameters(Parameters),
      WideDirectory(Directory);
  // The result is an HINSTANCE only in name: a number, above 32 on success.
  const ::HINSTANCE Result = ShellExecuteW(win32::Native(Owner), WideOperation.get(), WideFile.get(),
                                           WideParameters.get(), WideDirectory.get(), ShowCommand);
  return static_cast<int>(reinterpret_cast<std::intptr_t>(Result));
}

}  // namespace vcl::backend
