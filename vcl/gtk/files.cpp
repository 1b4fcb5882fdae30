// The process and its files on Linux.
// Implements: ExecutablePath, ChangeCurrentDir, IsFile.
// Paths arrive as code page 936 bytes and are turned into UTF-8 file names.

#include <glib.h>
#include <sys/stat.h>
#include <unistd.h>

#include "backend.h"
#include "gtk_backend.h"

namespace vcl::backend {

AnsiString ExecutablePath() {
  // The kernel's link to the running executable, whatever the program was
  // started as (a relative path, a symbolic link, a name found on PATH).
  gchar* Target = g_file_read_link("/proc/self/exe", nullptr);
  if (!Target) return {};
  AnsiString Path = gtk::FromUtf8(Target);
  g_free(Target);
  return Path;
}

bool ChangeCurrentDir(const AnsiString& Dir) { return chdir(gtk::ToUtf8(Dir.View()).c_str()) == 0; }

bool IsFile(const AnsiString& Path) {
  struct stat Info;
  return stat(gtk::ToUtf8(Path.View()).c_str(), &Info) == 0 && S_ISREG(Info.st_mode);
}

}  // namespace vcl::backend
