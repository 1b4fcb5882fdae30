// Starting programs and documents on Linux, the stand-in for the shell's
// "open". Implements: StartShellOperation.
//
// An executable file is spawned directly, never through a shell, with its
// arguments split from the parameter text by the Windows command-line rules;
// any other file or folder is handed to the desktop's opener, xdg-open. The
// child gets its own session (so it outlives the menu and takes no signals
// meant for the menu's terminal) and is never left a zombie.

#include <fcntl.h>
#include <glib.h>
#include <signal.h>
#include <spawn.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "backend.h"
#include "gtk_backend.h"

extern char** environ;

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

int ResultOf(int Error) {
  switch (Error) {
    case 0: return Started;
    case ENOENT: return ErrorFileNotFound;
    case ENOTDIR: return ErrorPathNotFound;
    case EACCES:
    case EPERM: return ErrorAccessDenied;
    case ENOMEM: return ErrorOutOfMemory;
    case ENOEXEC:
    case ELIBBAD: return ErrorBadFormat;
    default: return ErrorNoAssociation;
  }
}

// The menu's main loop reaps each child when it ends.
void Reap(GPid Child, gint, gpointer) { g_spawn_close_pid(Child); }

// Starts Argv[0] (looked up on PATH if Search) in Directory, or in the
// current directory if that is empty. Returns 0 or the errno of the failure.
int Spawn(std::vector<std::string>& Arguments, bool Search, const std::string& Directory) {
  std::vector<char*> Argv;
  for (std::string& Argument : Arguments) Argv.push_back(Argument.data());
  Argv.push_back(nullptr);

  posix_spawn_file_actions_t Actions;
  posix_spawn_file_actions_init(&Actions);
  // Standard input from /dev/null; every descriptor above stderr closed, so
  // that the child holds nothing of the menu's (its X connection, say).
  posix_spawn_file_actions_addopen(&Actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addclosefrom_np(&Actions, 3);
  if (!Directory.empty()) posix_spawn_file_actions_addchdir_np(&Actions, Directory.c_str());
  posix_spawnattr_t Attributes;
  posix_spawnattr_init(&Attributes);
  sigset_t NoSignals;
  sigemptyset(&NoSignals);
  posix_spawnattr_setsigmask(&Attributes, &NoSignals);
  // Its own session: it outlives the menu and takes no hang-up or terminal
  // signal meant for the menu.
  posix_spawnattr_setflags(&Attributes, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK);

  // glibc's posix_spawn reports a failed exec as its result, and unlike
  // execvp or g_spawn it never hands a file the kernel cannot run to
  // /bin/sh: nothing runs but the file itself.
  pid_t Child = 0;
  const int Error = (Search ? posix_spawnp : posix_spawn)(&Child, Argv[0], &Actions, &Attributes,
                                                          Argv.data(), environ);
  posix_spawnattr_destroy(&Attributes);
  posix_spawn_file_actions_destroy(&Actions);
  if (Error == 0) g_child_watch_add(Child, Reap, nullptr);
  return Error;
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
  if (stat(Path.c_str(), &Info) != 0) return ResultOf(errno);
  if (S_ISREG(Info.st_mode) && access(Path.c_str(), X_OK) == 0) {
    std::vector<std::string> Arguments{Path};
    for (std::string& Argument : gtk::SplitCommandLine(gtk::ToUtf8(Parameters ? Parameters : "")))
      Arguments.push_back(std::move(Argument));
    const int Error = Spawn(Arguments, false, WorkingDir);
    // A program this system cannot run itself (a Windows setup, where no
    // Wine is registered for .exe files) goes to the desktop's opener too.
    if (Error != ENOEXEC) return ResultOf(Error);
  }
  // A document or a folder: the desktop's opener decides what shows it.
  std::vector<std::string> Arguments{"xdg-open", Path};
  return ResultOf(Spawn(Arguments, true, WorkingDir));
}

}  // namespace vcl::backend
