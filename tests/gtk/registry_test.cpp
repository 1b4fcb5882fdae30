// The registry and the Windows version read from a Wine prefix written by
// the test, and the Wine registry file reader itself.

#include <gtest/gtest.h>
#include <vcl.h>

#include "backend.h"
#include "temp_folder.h"

#include <sys/stat.h>
#include <unistd.h>

namespace {

using namespace std::string_literals;

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

// The registry file reader over files the test writes.
class RegistryFileTest : public ::testing::Test {
protected:
  std::string Write(const std::string& Text, const char* Name = "system.reg") {
    MakeFile(Temp / Name, Text);
    return Temp / Name;
  }
  TempFolder Temp;
};

TEST_F(RegistryFileTest, KeysAreFoundByNameInAnyCaseAndOnTheWayToOthers) {
  const std::string File = Write(SystemReg);
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
  for (const Case& C : Cases)
    EXPECT_EQ(vcl::gtk::RegistryFileHasKey(File, {vcl::gtk::ToUtf8(C.Key)}), C.Exists) << C.Key;
  // Any of several names, in one reading.
  EXPECT_TRUE(vcl::gtk::RegistryFileHasKey(File, {"System", "Software\\Odd[bracket]"}));
  EXPECT_FALSE(vcl::gtk::RegistryFileHasKey(File, {"System", "Software\\Micro"}));
}

TEST_F(RegistryFileTest, StringAndDwordValues) {
  const std::string File = Write(SystemReg);
  const char* Key = "Software\\Microsoft\\Windows NT\\CurrentVersion";
  const auto Values = vcl::gtk::RegistryFileValues(
      File, Key, {"CurrentVersion", "InstallDate", "Path", "DigitalProductId", "Missing"});
  EXPECT_EQ(Values[0], "6.1");
  EXPECT_EQ(Values[1], std::to_string(0x4be5019a));
  EXPECT_EQ(Values[2], "C:\\windows\\\"quoted\"");
  EXPECT_EQ(Values[3], std::nullopt);  // binary: not read
  EXPECT_EQ(Values[4], std::nullopt);
  EXPECT_EQ(vcl::gtk::RegistryFileValues(File, "Software\\Missing", {"CurrentVersion"})[0], std::nullopt);
}

// A key name holding a NUL, however it is written, is not the shorter name
// before the NUL, nor on the way to it.
TEST_F(RegistryFileTest, ANameHoldingANulIsNotTheShorterName) {
  const char* Key = "Software\\Microsoft\\Microsoft SQL Server";
  const std::string Headers[] = {
      "[Software\\\\Microsoft\\\\Microsoft SQL Server\\0] 1\n",
      "[Software\\\\Microsoft\\\\Microsoft SQL Server\\x] 1\n",
      "[Software\\\\Microsoft\\\\Microsoft SQL Server\\x0000\\\\90] 1\n",
      "[Software\\\\Microsoft\\\\Microsoft SQL Server\0rest] 1\n"s,
  };
  for (const std::string& Header : Headers) {
    SCOPED_TRACE(Header);
    const std::string File = Write("WINE REGISTRY Version 2\n\n" + Header + "\"A\"=\"1\"\n");
    EXPECT_FALSE(vcl::gtk::RegistryFileHasKey(File, {Key}));
    EXPECT_TRUE(vcl::gtk::RegistryFileHasKey(File, {"Software\\Microsoft"}));
  }
}

// Whatever lies at the file's name, the answer comes at once: anything but
// a readable regular file has no keys and no values.
TEST_F(RegistryFileTest, WhatIsNotAReadableRegularFileHasNoKeys) {
  const std::string Fifo = Temp / "fifo.reg", Folder = Temp / "folder.reg", Locked = Temp / "locked.reg";
  ASSERT_EQ(mkfifo(Fifo.c_str(), 0644), 0);
  ASSERT_EQ(g_mkdir(Folder.c_str(), 0755), 0);
  MakeFile(Locked, SystemReg, 0);
  const std::string FifoLink = Temp / "fifo-link.reg", ZeroLink = Temp / "zero-link.reg";
  ASSERT_EQ(symlink(Fifo.c_str(), FifoLink.c_str()), 0);
  ASSERT_EQ(symlink("/dev/zero", ZeroLink.c_str()), 0);
  const std::string Paths[] = {Fifo, FifoLink, Folder, "/dev/zero", ZeroLink, "/dev/null",
                               Temp / "missing.reg", Temp / "missing/system.reg"};
  for (const std::string& Path : Paths) {
    SCOPED_TRACE(Path);
    EXPECT_FALSE(vcl::gtk::RegistryFileHasKey(Path, {"Software"}));
    EXPECT_EQ(vcl::gtk::RegistryFileValues(Path, "Software\\Wine", {"Version"})[0], std::nullopt);
  }
  // Root reads every file whatever its mode; any other user cannot.
  if (geteuid() != 0) {
    EXPECT_FALSE(vcl::gtk::RegistryFileHasKey(Locked, {"Software"}));
  }
  EXPECT_FALSE(vcl::gtk::RegistryFileHasKey(Write(""), {"Software"}));
  EXPECT_FALSE(vcl::gtk::RegistryFileHasKey(Write("[unterminated"), {"Software"}));
}

// Lines longer than the reader's buffer are passed over, and the keys after
// them are still found.
TEST_F(RegistryFileTest, KeysAfterAVeryLongLineAreFound) {
  const std::string Long = "\"Blob\"=hex:" + std::string(200 * 1024, '0') + "\n";
  const std::string File = Write("WINE REGISTRY Version 2\n\n[Software\\\\First] 1\n" + Long +
                                 "[Software\\\\Second] 1\n\"Name\"=\"value\"\n");
  EXPECT_TRUE(vcl::gtk::RegistryFileHasKey(File, {"Software\\Second"}));
  EXPECT_EQ(vcl::gtk::RegistryFileValues(File, "Software\\Second", {"Name"})[0], "value");
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

TEST_F(PrefixTest, NoPrefixMeansNoKeysAndTheVersionOfANewPrefix) {
  g_setenv("WINEPREFIX", (Temp / "none").c_str(), TRUE);
  TRegistry Registry;
  Registry.RootKey = HKEY_LOCAL_MACHINE;
  EXPECT_FALSE(Registry.KeyExists("\\SOFTWARE\\Microsoft\\Microsoft SQL Server"));
  EXPECT_FALSE(Registry.KeyExists("\\SOFTWARE"));
  EXPECT_EQ(vcl::gtk::ReadWindowsMajorVersion(), 6);  // Wine 8 makes Windows 7 prefixes
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
      // A number no int holds is no version: the next source decides.
      {nullptr, "\"CurrentMajorVersionNumber\"=dword:ffffffff\n\"CurrentVersion\"=\"6.3\"", 6},
      {nullptr, "\"CurrentMajorVersionNumber\"=dword:80000000", 6},
      {nullptr, "\"CurrentVersion\"=\"99999999999.1\"", 6},
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.UserVersion ? C.UserVersion : C.SystemValues);
    Write("user.reg", C.UserVersion ? Section("Software\\\\Wine", std::string("\"Version\"=\"") + C.UserVersion + "\"") : "");
    Write("system.reg", Section("Software\\\\Microsoft\\\\Windows NT\\\\CurrentVersion", C.SystemValues));
    EXPECT_EQ(vcl::gtk::ReadWindowsMajorVersion(), C.Major);
  }
}

}  // namespace
