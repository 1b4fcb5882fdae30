// The shell over its wide call, and the system's words for its errors:
//   StartShellOperation  ShellExecuteW, GetLastError
//   SystemErrorText      FormatMessageW
//
// shell32 is loaded when the first setup starts, not with the program: it
// brings shlwapi and shcore along, and the first frame needs none of them.

#include "win32_backend.h"

#include <shellapi.h>

#include <cstdint>

namespace vcl::backend {

ShellOutcome StartShellOperation(vcl::HWND Owner, const char* Operation, const char* File,
                                 const char* Parameters, const char* Directory, int ShowCommand) {
  const win32::OptionalWide WideOperation(Operation), WideFile(File), WideParameters(Parameters),
      WideDirectory(Directory);
  // The result is an HINSTANCE only in name: a number, above 32 on success.
  using ShellExecuteFunction = ::HINSTANCE WINAPI(::HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT);
  static ShellExecuteFunction* const ShellExecuteWPtr =
      win32::SystemFunction<ShellExecuteFunction>(L"shell32.dll", "ShellExecuteW");
  if (!ShellExecuteWPtr) return {SE_ERR_NOASSOC, static_cast<DWORD>(::GetLastError())};
  ::SetLastError(0);
  const ::HINSTANCE Started = ShellExecuteWPtr(win32::Native(Owner), WideOperation.get(), WideFile.get(),
                                               WideParameters.get(), WideDirectory.get(), ShowCommand);
  const int Result = static_cast<int>(reinterpret_cast<std::intptr_t>(Started));
  if (Result > 32) return {Result, 0};
  // The shell's own result codes 2, 3, 5, 8 and 11 are the system error
  // codes of the same numbers; the last error says more where it is set
  // (ERROR_CANCELLED: the user said No to the elevation prompt).
  const DWORD Error = static_cast<DWORD>(::GetLastError());
  if (Error != 0) return {Result, Error};
  return {Result, Result == SE_ERR_NOASSOC ? ERROR_NO_ASSOCIATION : static_cast<DWORD>(Result)};
}

AnsiString SystemErrorText(DWORD Error) {
  if (Error == 0) return {};
  wchar_t* Text = nullptr;
  const DWORD Length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
      Error, 0, reinterpret_cast<wchar_t*>(&Text), 0, nullptr);
  std::wstring Words(Text ? Text : L"", Length);
  LocalFree(Text);
  // The system ends its words with a line break.
  while (!Words.empty() && (Words.back() == L'\n' || Words.back() == L'\r' || Words.back() == L' '))
    Words.pop_back();
  return win32::Narrow(Words.c_str());
}

}  // namespace vcl::backend
