// The system DLLs and the search path for DLLs. Windows alone looks for a
// program's DLLs beside it, so only this backend has to keep a disc's own
// DLLs out: at start the DLL search path is cut down to the system's own
// folders, and the few system functions that are looked up rather than
// imported are loaded from the system folder by full path.

#include "win32_backend.h"

#include <string>

namespace vcl::win32 {

FARPROC SystemProcedure(const wchar_t* Dll, const char* Name) {
  wchar_t Path[MAX_PATH];
  const UINT Length = GetSystemDirectoryW(Path, MAX_PATH);
  if (Length == 0 || Length + 1 + wcslen(Dll) >= MAX_PATH) return nullptr;
  std::wstring Full(Path, Length);
  Full += L'\\';
  Full += Dll;
  // Loaded for good: the functions are used until the program ends.
  const ::HMODULE Module = LoadLibraryW(Full.c_str());
  return Module ? GetProcAddress(Module, Name) : nullptr;
}

namespace {

// Runs before the program's own code. Both calls are looked up rather than
// imported: SetDllDirectoryW came with Windows XP SP1 and
// SetDefaultDllDirectories with Windows 8 (or Windows 7 with KB2533623),
// and the program must still start where they are missing.
struct DllSearchPath {
  DllSearchPath() {
    // An empty string takes the current directory out of the search path.
    if (auto* SetDllDirectoryPtr = win32::SystemFunction<BOOL WINAPI(LPCWSTR)>(L"kernel32.dll", "SetDllDirectoryW"))
      SetDllDirectoryPtr(L"");
    // Only System32 for every later load: the program's own folder (the
    // disc) is searched no more either.
    if (auto* SetDefaultDllDirectoriesPtr =
            win32::SystemFunction<BOOL WINAPI(DWORD)>(L"kernel32.dll", "SetDefaultDllDirectories"))
      SetDefaultDllDirectoriesPtr(0x00000800 /* LOAD_LIBRARY_SEARCH_SYSTEM32 */);
  }
} const AtStart;

}  // namespace

}  // namespace vcl::win32
