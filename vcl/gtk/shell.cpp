// Starting programs and documents on Linux, the stand-in for the shell's
// "open". Implements: StartShellOperation.
//
// An executable file is spawned directly, never through a shell, with its
// arguments split from the parameter text by the Windows command-line rules;
// any other file or folder is handed to the desktop's opener, xdg-open. The
// child gets its own session (so it outlives the menu and takes no signals
// meant for the menu's terminal) and is never left a zombie.

#include <glib.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include "backend.h"
#include "gtk_backend.h"

namespace vcl::backend {

namespace {

// The shell's error results.
constexpr int ErrorFileNotFound = 2;
constexpr int ErrorPathNotFound = 3;
constexpr int ErrorAccessDenied = 5;
constexpr int ErrorOutOfMemory = 8;
constexpr int ErrorBadFormat = 11;
constexpr int ErrorNoAssociation = 31;
// Any value above 32 means success.
constexpr int Started = 42;

// Runs in the child between fork and exec: leave the menu's session.
void StartOwnSession(gpointer) { setsid(); }

int SpawnResult(const GError* Error) {
  if (!Error) return Started;
  if (Error->domain != G_SPAWN_ERROR) return ErrorNoAssociation;
  switch (Error->code) {
    case G_SPAWN_ERROR_NOENT: return ErrorFileNotFound;
    case G_SPAWN_ERROR_CHDIR: return ErrorPathNotFound;
    case G_SPAWN_ERROR_ACCES:
    case G_SPAWN_ERROR_PERM: return ErrorAccessDenied;
    case G_SPAWN_ERROR_NOMEM: return ErrorOutOfMemory;
    case G_SPAWN_ERROR_NOEXEC:
    case G_SPAWN_ERROR_LIBBAD: return ErrorBadFormat;
    default: return ErrorNoAssociation;
  }
}

}  // namespace

int StartShellOperation(HWND, const char* Operation, const char* File, const char* Parameters,
                        const char* Directory, int) {
  // No operation means the default one, "open"; there is no other here.
  if (Operation && strcasecmp(Operation, "open") != 0) return ErrorNoAssociation;
  if (!File) return ErrorFileNotFound;
  const std::string Path = gtk::ToUtf8(File);
  const std::string WorkingDir = Directory ? gtk::ToUtf8(Directory) : std::string();

  struct stat Info;
  if (stat(Path.c_str(), &Info) != 0) return ErrorFileNotFound;
  const bool Program = S_ISREG(Info.st_mode) && access(Path.c_str(), X_OK) == 0;

  std::vector<std::string> Arguments;
  GSpawnFlags Flags = G_SPAWN_STDIN_FROM_DEV_NULL;
  if (Program) {
    Arguments.push_back(Path);
    for (std::string& Argument : gtk::SplitCommandLine(gtk::ToUtf8(Parameters ? Parameters : "")))
      Arguments.push_back(std::move(Argument));
  } else {
    Arguments = {"xdg-open", Path};
    Flags = static_cast<GSpawnFlags>(Flags | G_SPAWN_SEARCH_PATH);
  }
  std::vector<char*> Argv;
  for (std::string& Argument : Arguments) Argv.push_back(Argument.data());
  Argv.push_back(nullptr);

  // Without G_SPAWN_DO_NOT_REAP_CHILD, GLib forks an intermediate child that
  // forks the program and exits at once, and reaps that intermediate child
  // itself: the program is adopted by init, so no zombie is left whenever it
  // ends. GLib also closes every descriptor above stderr in the child, and
  // reports a failed exec back to us through a pipe.
  GError* Error = nullptr;
  g_spawn_async(Directory ? WorkingDir.c_str() : nullptr, Argv.data(), nullptr, Flags,
                StartOwnSession, nullptr, nullptr, &Error);
  const int Result = SpawnResult(Error);
  if (Error) g_error_free(Error);
  return Result;
}

}  // namespace vcl::backend
