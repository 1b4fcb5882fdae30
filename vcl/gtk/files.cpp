// The process and its files over Linux's own calls:
//   ExecutablePath    the link /proc/self/exe
//   ChangeCurrentDir  chdir
//   IsFile            stat, a regular file
// Paths arrive as code page 936 bytes and are turned back into the file
// names' own bytes, UTF-8 or not.

#include <glib.h>
#include <sys/stat.h>
#include <unistd.h>

#include "backend.h"
#include "gtk_backend.h"

namespace vcl::backend {

AnsiString ExecutablePath() {
  // The kernel's link to the running executable, whatever the program was
  // started as (a relative path, a symbolic link, a name found on PATH).
  // A folder deeper than the kernel can name (past PATH_MAX) gives no
  // link: then there is no path to give.
  gchar* Target = g_file_read_link("/proc/self/exe", nullptr);
  if (!Target) return {};
  AnsiString Path = gtk::FromFileName(Target);
  g_free(Target);
  return Path;
}

bool ChangeCurrentDir(const AnsiString& Dir) { return chdir(gtk::ToFileName(Dir.View()).c_str()) == 0; }

bool IsFile(const AnsiString& Path) {
  struct stat Info;
  return stat(gtk::ToFileName(Path.View()).c_str(), &Info) == 0 && S_ISREG(Info.st_mode);
}

}  // namespace vcl::backend
