// The registry and the Windows version on Linux, read from the user's Wine
// prefix: the Windows that the disc's setup programs would run in.
// Implements: OpenRegistry, KeyExists, CloseRegistry, WindowsMajorVersion.
// No prefix means no keys, and the version Wine gives a new prefix.

#include <glib.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "backend.h"
#include "gtk_backend.h"

namespace vcl::backend {

// The hive files of one accessor, each read when first asked for.
struct RegistrySession {
  std::unique_ptr<gtk::WineRegistryFile> Machine;  // system.reg
  std::unique_ptr<gtk::WineRegistryFile> User;     // user.reg
};

RegistrySession* OpenRegistry() { return new RegistrySession; }

bool KeyExists(RegistrySession& Session, HKEY Root, const AnsiString& Key) {
  std::unique_ptr<gtk::WineRegistryFile>* Hive = nullptr;
  const char* FileName = nullptr;
  if (Root == HKEY_LOCAL_MACHINE) {
    Hive = &Session.Machine;
    FileName = "/system.reg";
  } else if (Root == HKEY_CURRENT_USER) {
    Hive = &Session.User;
    FileName = "/user.reg";
  } else {
    return false;
  }
  if (!*Hive)
    *Hive = std::make_unique<gtk::WineRegistryFile>(
        gtk::WineRegistryFile::Load(gtk::WinePrefix() + FileName));
  // A 64-bit prefix keeps the 32-bit programs' keys under Wow6432Node; a
  // key counts as present in either view, as on Windows.
  const std::string Path = gtk::ToUtf8(Key.View());
  constexpr std::string_view Software = "software\\";
  const bool InSoftware = Path.size() > Software.size() &&
                          g_ascii_strncasecmp(Path.c_str(), Software.data(), Software.size()) == 0;
  return (*Hive)->HasKey(Path) ||
         (InSoftware && (*Hive)->HasKey("Software\\Wow6432Node\\" + Path.substr(Software.size())));
}

void CloseRegistry(RegistrySession* Session) { delete Session; }

namespace {

// Wine's names for the Windows versions it can pretend to be, with the
// major version number each reports.
struct NamedVersion {
  const char* Name;
  int Major;
};
constexpr NamedVersion WineVersions[] = {
    {"win20", 2},   {"win30", 3},   {"win31", 3},      {"nt351", 3},   {"win95", 4},
    {"win98", 4},   {"winme", 4},   {"nt40", 4},       {"win2k", 5},   {"winxp", 5},
    {"winxp64", 5}, {"win2003", 5}, {"vista", 6},      {"win2008", 6}, {"win7", 6},
    {"win2008r2", 6}, {"win8", 6},  {"win81", 6},      {"win10", 10},  {"win11", 10},
};

// A new Wine prefix (Wine 8) is Windows 7.
constexpr int NewPrefixMajorVersion = 6;

}  // namespace

int WindowsMajorVersion() {
  // Wine takes the version from HKEY_CURRENT_USER\Software\Wine, value
  // Version (what winecfg and `wine reg add ... /v Version` set); without
  // it, from the system's CurrentVersion key.
  const std::string Prefix = gtk::WinePrefix();
  const auto Chosen =
      gtk::WineRegistryFile::Load(Prefix + "/user.reg").Value("Software\\Wine", "Version");
  if (Chosen) {
    for (const NamedVersion& Known : WineVersions)
      if (*Chosen == Known.Name) return Known.Major;
  }
  const auto System = gtk::WineRegistryFile::Load(Prefix + "/system.reg");
  const char* CurrentVersion = "Software\\Microsoft\\Windows NT\\CurrentVersion";
  if (auto Major = System.Value(CurrentVersion, "CurrentMajorVersionNumber"))
    return std::atoi(Major->c_str());
  if (auto Version = System.Value(CurrentVersion, "CurrentVersion"))  // "6.1"
    return std::atoi(Version->c_str());
  return NewPrefixMajorVersion;
}

}  // namespace vcl::backend
