// The DLL search path the backend sets at start: system folders only, so a
// DLL beside the program (on the disc) is never loaded by name.

#include <gtest/gtest.h>

#include <string>

#include "win32/win32_backend.h"

namespace {

std::wstring BesideThisProgram(const wchar_t* Name) {
  wchar_t Path[MAX_PATH];
  GetModuleFileNameW(nullptr, Path, MAX_PATH);
  std::wstring Folder = Path;
  return Folder.substr(0, Folder.rfind(L'\\') + 1) + Name;
}

TEST(DllSearchPath, ADllBesideTheProgramIsNotLoadedByName) {
  const std::wstring Probe = BesideThisProgram(L"win32_probe.dll");
  ASSERT_NE(GetFileAttributesW(Probe.c_str()), INVALID_FILE_ATTRIBUTES);
  // By its full path it loads: the file is a good DLL.
  const HMODULE ByPath = LoadLibraryW(Probe.c_str());
  ASSERT_NE(ByPath, nullptr);
  FreeLibrary(ByPath);
  EXPECT_EQ(LoadLibraryW(L"win32_probe.dll"), nullptr);
  // System DLLs still load by name.
  const HMODULE System = LoadLibraryW(L"version.dll");
  EXPECT_NE(System, nullptr);
  if (System) FreeLibrary(System);
}

}  // namespace
