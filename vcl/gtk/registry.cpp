// The registry on Linux, read from the user's Wine prefix: the Windows that
// the disc's setup programs would run in.
//   OpenRegistry, CloseRegistry  nothing held between calls
//   KeyExists                    the prefix's system.reg or user.reg, read
//                                by the Wine registry reader
// No prefix means no keys.

#include <glib.h>

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

}  // namespace vcl::backend
