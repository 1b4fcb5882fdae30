// The Windows version on Linux, read from the user's Wine prefix: the
// Windows that the disc's setup programs would run in.
//   WindowsMajorVersion  the version Wine pretends to be, read the first
//                        time it is asked for and kept
// No prefix means the version Wine gives a new prefix.

#include <charconv>
#include <optional>
#include <string>

#include "backend.h"
#include "gtk_backend.h"

namespace vcl::backend {

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
