// TRegistry::KeyExists over Wine's real registry, in both of its views:
// this 32-bit program's own (WOW64) view of a 64-bit Windows, and the
// 64-bit view, where a 64-bit SQL Server registers itself.

#include <vcl/registry.h>

#include <gtest/gtest.h>

#include "win32/win32_backend.h"

// The cases mean what they say only from a 32-bit program, as the product is.
static_assert(sizeof(void*) == 4, "the Windows tests run 32-bit code");

namespace {

using vcl::AnsiString;

// The layer's root keys; after <windows.h> their names are its macros.
const vcl::HKEY Machine = reinterpret_cast<vcl::HKEY>(HKEY_LOCAL_MACHINE);
const vcl::HKEY User = reinterpret_cast<vcl::HKEY>(HKEY_CURRENT_USER);

// Keys made for one test under HKEY_LOCAL_MACHINE\SOFTWARE, in the view
// given, and deleted afterwards.
class RegistryKeys : public ::testing::Test {
protected:
  const std::wstring Base = L"SOFTWARE\\DiscMenuTest " + std::to_wstring(GetCurrentProcessId());
  const AnsiString BaseKey = AnsiString("\\SOFTWARE\\DiscMenuTest ") + std::to_string(GetCurrentProcessId()).c_str();

  void Make(const std::wstring& Sub, REGSAM View) {
    HKEY Key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, (Base + L"\\" + Sub).c_str(), 0, nullptr, 0,
                              KEY_WRITE | View, nullptr, &Key, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(Key);
    Made.push_back({Sub, View});
  }
  void TearDown() override {
    for (const auto& [Sub, View] : Made) {
      RegDeleteKeyExW(HKEY_LOCAL_MACHINE, (Base + L"\\" + Sub).c_str(), View, 0);
      RegDeleteKeyExW(HKEY_LOCAL_MACHINE, Base.c_str(), View, 0);
    }
  }
  static bool Exists(vcl::HKEY Root, const AnsiString& Key) {
    vcl::TRegistry Registry;
    Registry.RootKey = Root;
    const bool Result = Registry.KeyExists(Key);
    Registry.CloseKey();
    return Result;
  }

  std::vector<std::pair<std::wstring, REGSAM>> Made;
};

TEST_F(RegistryKeys, ExistInEitherViewAndOnlyUnderTheirRoot) {
  Make(L"Native", 0);
  Make(L"Only64", KEY_WOW64_64KEY);
  Make(L"Only32", KEY_WOW64_32KEY);
  Make(L"数据库 2005", 0);
  // The views are apart: neither view's key is in the other one.
  HKEY Probe = nullptr;
  ASSERT_NE(RegOpenKeyExW(HKEY_LOCAL_MACHINE, (Base + L"\\Only32").c_str(), 0,
                          KEY_READ | KEY_WOW64_64KEY, &Probe),
            ERROR_SUCCESS);
  ASSERT_NE(RegOpenKeyExW(HKEY_LOCAL_MACHINE, (Base + L"\\Only64").c_str(), 0, KEY_READ, &Probe),
            ERROR_SUCCESS);

  struct Case {
    vcl::HKEY Root;
    const char* Sub;
    bool Exists;
  };
  const Case Cases[] = {
      {Machine, "\\Native", true},
      {Machine, "\\NATIVE", true},  // names are case-insensitive
      {Machine, "\\Only64", true},  // only in the other view
      {Machine, "\\Only32", true},
      {Machine, "\\数据库 2005", true},
      {Machine, "", true},  // the base key on the way to them
      {Machine, "\\Missing", false},
      {Machine, "\\Native\\Missing", false},
      {User, "\\Native", false},
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Sub);
    EXPECT_EQ(Exists(C.Root, BaseKey + C.Sub), C.Exists);
  }
}

}  // namespace
