// The registry and the Windows version on Linux, read from the user's Wine
// prefix: the Windows that the disc's setup programs would run in.
// Implements: OpenRegistry, KeyExists, CloseRegistry, WindowsMajorVersion.
// The version is read the first time it is asked for, and kept.
// No prefix means no keys, and the version Wine gives a new prefix.

#include <glib.h>

#include <charconv>
#include <optional>
#include <string>
#include <string_view>

#include "backend.h"
#include "gtk_backend.h"

namespace vcl::backend {

// Nothing is held between calls: each question reads the hive file afresh,
// as far as its answer needs.
struct RegistrySession {};

RegistrySession* OpenRegistry() { return new RegistrySession; }

bool KeyExists(RegistrySession&, HKEY Root, const AnsiString& Key) {
  const char* FileName = nullptr;
  if (Root == HKEY_LOCAL_MACHINE)
    FileName = "/system.reg";
  else if (Root == HKEY_CURRENT_USER)
    FileName = "/user.reg";
  else
    return false;
  const std::string Hive = gtk::WinePrefix() + FileName;
  // A 64-bit prefix keeps the 32-bit programs' keys under Wow6432Node; a
  // key counts as present in either view, as on Windows. Both are looked
  // for in one reading of the file.
  const std::string Path = gtk::ToUtf8(Key.View());
  constexpr std::string_view Software = "software\\";
  const bool InSoftware = Path.size() > Software.size() &&
                          g_ascii_strncasecmp(Path.c_str(), Software.data(), Software.size()) == 0;
  if (!InSoftware) return gtk::RegistryFileHasKey(Hive, {Path});
  const std::string Wow64 = "Software\\Wow6432Node\\" + Path.substr(Software.size());
  return gtk::RegistryFileHasKey(Hive, {Path, Wow64});
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

// A version number as Wine writes it ("6.1", or a dword's decimal text):
// its leading whole number, if it is one a Windows version can have.
std::optional<int> MajorOf(const std::optional<std::string>& Text) {
  if (!Text) return std::nullopt;
  int Major = 0;
  const auto [End, Error] = std::from_chars(Text->data(), Text->data() + Text->size(), Major);
  if (Error != std::errc() || End == Text->data() || Major <= 0) return std::nullopt;
  return Major;
}

}  // namespace

}  // namespace vcl::backend

namespace vcl::gtk {

int ReadWindowsMajorVersion() {
  // Wine takes the version from HKEY_CURRENT_USER\Software\Wine, value
  // Version (what winecfg and `wine reg add ... /v Version` set); without
  // it, from the system's CurrentVersion key.
  const std::string Prefix = gtk::WinePrefix();
  const auto Chosen = gtk::RegistryFileValues(Prefix + "/user.reg", "Software\\Wine", {"Version"})[0];
  if (Chosen) {
    for (const backend::NamedVersion& Known : backend::WineVersions)
      if (*Chosen == Known.Name) return Known.Major;
  }
  const auto System = gtk::RegistryFileValues(Prefix + "/system.reg",
                                              "Software\\Microsoft\\Windows NT\\CurrentVersion",
                                              {"CurrentMajorVersionNumber", "CurrentVersion"});
  for (const auto& Value : System)
    if (const auto Major = backend::MajorOf(Value)) return *Major;
  return backend::NewPrefixMajorVersion;
}

}  // namespace vcl::gtk

namespace vcl::backend {

int WindowsMajorVersion() {
  // Read when first asked for, not at start: the first frame needs none of it.
  static const int Major = gtk::ReadWindowsMajorVersion();
  return Major;
}

}  // namespace vcl::backend
