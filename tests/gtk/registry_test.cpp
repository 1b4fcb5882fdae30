// The registry and the Windows version read from a Wine prefix written by
// the test, and the Wine registry file reader itself.

#include <gtest/gtest.h>
#include <vcl.h>

#include "backend.h"
#include "temp_folder.h"

namespace {

using vcl::gtk::WineRegistryFile;

const char* const SystemReg = R"(WINE REGISTRY Version 2
;; All keys relative to REGISTRY\\Machine

#arch=win64

[Software\\Microsoft\\Microsoft SQL Server 2005 Redist\\\x4e2d\x6587] 1700000000
#time=1d9
"Name"="x"

[Software\\Microsoft\\Windows NT\\CurrentVersion] 1700000000
#time=1d9
"CurrentVersion"="6.1"
"DigitalProductId"=hex:00,00,\
  00,00
"InstallDate"=dword:4be5019a
"Path"="C:\\windows\\\"quoted\""

[Software\\Odd\[bracket\]] 1700000000
)";

TEST(WineRegistryFileTest, KeysAreFoundByNameInAnyCaseAndOnTheWayToOthers) {
  const WineRegistryFile File(SystemReg);
  struct Case {
    const char* Key;
    bool Exists;
  };
  const Case Cases[] = {
      {"Software\\Microsoft\\Windows NT\\CurrentVersion", true},
      {"SOFTWARE\\MICROSOFT\\windows nt\\currentversion", true},
      {"Software\\Microsoft", true},  // written only as part of its subkeys' names
      {"Software", true},
      {"", true},
      {"Software\\Microsoft\\Microsoft SQL Server 2005 Redist", true},
      {"Software\\Microsoft\\Microsoft SQL Server 2005 Redist\\中文", true},
      // A key whose name another key's name starts with is not its parent.
      {"Software\\Microsoft\\Microsoft SQL Server", false},
      {"Software\\Microsoft\\Microsoft SQL Server 2005", false},
      {"Software\\Microsoft\\Windows NT\\CurrentVersion\\Fonts", false},
      {"Software\\Odd[bracket]", true},
      {"Software\\Micro", false},
      {"System", false},
  };
  for (const Case& C : Cases) EXPECT_EQ(File.HasKey(vcl::gtk::ToUtf8(C.Key)), C.Exists) << C.Key;
}

TEST(WineRegistryFileTest, StringAndDwordValues) {
  const WineRegistryFile File(SystemReg);
  const char* Key = "Software\\Microsoft\\Windows NT\\CurrentVersion";
  EXPECT_EQ(File.Value(Key, "CurrentVersion"), "6.1");
  EXPECT_EQ(File.Value(Key, "InstallDate"), std::to_string(0x4be5019a));
  EXPECT_EQ(File.Value(Key, "Path"), "C:\\windows\\\"quoted\"");
  EXPECT_EQ(File.Value(Key, "DigitalProductId"), std::nullopt);  // binary: not read
  EXPECT_EQ(File.Value(Key, "Missing"), std::nullopt);
  EXPECT_EQ(File.Value("Software\\Missing", "CurrentVersion"), std::nullopt);
}

TEST(WineRegistryFileTest, MissingOrEmptyFilesHaveNoKeys) {
  EXPECT_FALSE(WineRegistryFile::Load("/nonexistent/system.reg").HasKey("Software"));
  EXPECT_FALSE(WineRegistryFile("").HasKey("Software"));
  EXPECT_FALSE(WineRegistryFile("[unterminated").HasKey("Software"));
}

class PrefixTest : public ::testing::Test {
protected:
  void SetUp() override { g_setenv("WINEPREFIX", Temp.Path.c_str(), TRUE); }
  void TearDown() override { g_unsetenv("WINEPREFIX"); }
  void Write(const char* Name, const std::string& Text) { MakeFile(Temp / Name, Text); }
  static std::string Section(const std::string& Key, const std::string& Values) {
    return "[" + Key + "] 1700000000\n#time=1d9\n" + Values + "\n";
  }
  TempFolder Temp;
};

TEST_F(PrefixTest, TRegistryTestsKeysOfTheLocalMachineInSystemReg) {
  Write("system.reg", "WINE REGISTRY Version 2\n\n" +
                          Section("Software\\\\Microsoft\\\\Microsoft SQL Server\\\\90", "\"A\"=\"1\""));
  Write("user.reg", "WINE REGISTRY Version 2\n\n" + Section("Software\\\\Quendra", "\"A\"=\"1\""));
  TRegistry Registry;
  Registry.RootKey = HKEY_LOCAL_MACHINE;
  EXPECT_TRUE(Registry.KeyExists("\\SOFTWARE\\Microsoft\\Microsoft SQL Server"));
  EXPECT_FALSE(Registry.KeyExists("\\SOFTWARE\\Microsoft\\Microsoft SQL Server 2005 Redist"));
  EXPECT_FALSE(Registry.KeyExists("\\Software\\Quendra"));  // that one is the user's
  Registry.RootKey = HKEY_CURRENT_USER;
  EXPECT_TRUE(Registry.KeyExists("\\Software\\Quendra"));
  Registry.RootKey = HKEY_USERS;
  EXPECT_FALSE(Registry.KeyExists("\\Software"));
  Registry.CloseKey();
}

TEST_F(PrefixTest, AKeyOfThe32BitViewOfA64BitPrefixCounts) {
  Write("system.reg", "WINE REGISTRY Version 2\n\n" +
                          Section("Software\\\\Wow6432Node\\\\Microsoft\\\\Microsoft SQL Server 2005 Redist",
                                  "\"A\"=\"1\""));
  TRegistry Registry;
  Registry.RootKey = HKEY_LOCAL_MACHINE;
  EXPECT_TRUE(Registry.KeyExists("\\SOFTWARE\\Microsoft\\Microsoft SQL Server 2005 Redist"));
  EXPECT_FALSE(Registry.KeyExists("\\SOFTWARE\\Microsoft\\Microsoft SQL Server"));
}

TEST_F(PrefixTest, NoPrefixMeansNoKeysAndTheVersionOfANewPrefix) {
  g_setenv("WINEPREFIX", (Temp / "none").c_str(), TRUE);
  TRegistry Registry;
  Registry.RootKey = HKEY_LOCAL_MACHINE;
  EXPECT_FALSE(Registry.KeyExists("\\SOFTWARE\\Microsoft\\Microsoft SQL Server"));
  EXPECT_FALSE(Registry.KeyExists("\\SOFTWARE"));
  EXPECT_EQ(vcl::backend::WindowsMajorVersion(), 6);  // Wine 8 makes Windows 7 prefixes
}

TEST_F(PrefixTest, WithoutWineprefixTheHomeFoldersPrefixIsRead) {
  g_unsetenv("WINEPREFIX");
  EXPECT_EQ(vcl::gtk::WinePrefix(), std::string(g_get_home_dir()) + "/.wine");
  g_setenv("WINEPREFIX", "", TRUE);
  EXPECT_EQ(vcl::gtk::WinePrefix(), std::string(g_get_home_dir()) + "/.wine");
}

TEST_F(PrefixTest, TheWindowsVersionFollowsWinesOwnChoice) {
  struct Case {
    const char* UserVersion;     // HKCU\Software\Wine Version, or null
    const char* SystemValues;    // values of the system's CurrentVersion key
    int Major;
  };
  const Case Cases[] = {
      {"winxp", "", 5},
      {"winxp64", "\"CurrentVersion\"=\"6.1\"", 5},  // the user's choice comes first
      {"win2k", "", 5},
      {"vista", "", 6},
      {"win7", "", 6},
      {"win81", "", 6},
      {"win10", "", 10},
      {"win11", "", 10},
      {"win98", "", 4},
      {nullptr, "\"CurrentVersion\"=\"5.1\"", 5},
      {nullptr, "\"CurrentMajorVersionNumber\"=dword:0000000a\n\"CurrentVersion\"=\"6.3\"", 10},
      {nullptr, "", 6},
      {"no-such-version", "\"CurrentVersion\"=\"6.0\"", 6},
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.UserVersion ? C.UserVersion : C.SystemValues);
    Write("user.reg", C.UserVersion ? Section("Software\\\\Wine", std::string("\"Version\"=\"") + C.UserVersion + "\"") : "");
    Write("system.reg", Section("Software\\\\Microsoft\\\\Windows NT\\\\CurrentVersion", C.SystemValues));
    EXPECT_EQ(vcl::backend::WindowsMajorVersion(), C.Major);
  }
}

}  // namespace
