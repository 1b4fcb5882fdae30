// Starting programs and documents on Linux, the stand-in for the shell's
// "open", and the system's words for its errors:
//   StartShellOperation  posix_spawn of an executable, else xdg-open
//   SystemErrorText      g_strerror
//
// An executable file is spawned directly, never through a shell, with its
// arguments split from the parameter text by the Windows command-line rules;
// any other file or folder is handed to the desktop's opener, xdg-open, found
// on the absolute folders of PATH (never on a relative one, which would name
// a folder of the disc). The child gets its own session (so it outlives the
// menu and takes no signals meant for the menu's terminal) and is never left
// a zombie.
//
// ShellExecute returns once the file is started or has failed to start. An
// opener that ends with failure at once (nothing on this desktop opens the
// file) is such a failure, so it is given a moment to end before the call
// returns; one still running then has found what opens the file.

#include <fcntl.h>
#include <glib.h>
#include <signal.h>
#include <spawn.h>
#include <strings.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>

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

// Starts Program with Arguments (Arguments[0] its name) in Directory, or in
// the current directory if that is empty. Returns 0 and the child, or the
// errno of the failure.
int Spawn(const std::string& Program, std::vector<std::string>& Arguments, const std::string& Directory,
          pid_t& Child) {
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
  const int Error = posix_spawn(&Child, Program.c_str(), &Actions, &Attributes, Argv.data(), environ);
  posix_spawnattr_destroy(&Attributes);
  posix_spawn_file_actions_destroy(&Actions);
  return Error;
}

// The desktop's opener on the absolute folders of PATH, or empty.
std::string FindOpener() {
  const char* Path = g_getenv("PATH");
  gchar** Folders = g_strsplit(Path ? Path : "", ":", -1);
  std::string Found;
  for (gchar** Folder = Folders; *Folder && Found.empty(); ++Folder) {
    if ((*Folder)[0] != '/') continue;
    std::string Candidate = std::string(*Folder) + "/xdg-open";
    struct stat Info;
    if (stat(Candidate.c_str(), &Info) == 0 && S_ISREG(Info.st_mode) && access(Candidate.c_str(), X_OK) == 0)
      Found = std::move(Candidate);
  }
  g_strfreev(Folders);
  return Found;
}

// How long an opener may take to fail before it counts as started.
constexpr auto OpenerVerdictTime = std::chrono::milliseconds(1500);

// Waits a moment for the opener Child: false if it ended with failure. One
// that goes on running is left to the main loop to reap.
bool OpenerStarted(pid_t Child) {
  const auto Deadline = std::chrono::steady_clock::now() + OpenerVerdictTime;
  for (;;) {
    int Status = 0;
    const pid_t Ended = waitpid(Child, &Status, WNOHANG);
    if (Ended == Child) return WIFEXITED(Status) && WEXITSTATUS(Status) == 0;
    if (Ended < 0 || std::chrono::steady_clock::now() > Deadline) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  g_child_watch_add(Child, Reap, nullptr);
  return true;
}

}  // namespace

ShellOutcome StartShellOperation(HWND, const char* Operation, const char* File, const char* Parameters,
                                 const char* Directory, int) {
  // No operation means the default one, "open"; there is no other here.
  if (Operation && strcasecmp(Operation, "open") != 0) return {ErrorNoAssociation, 0};
  if (!File) return {ErrorFileNotFound, ENOENT};
  const std::string Path = gtk::ToFileName(File);
  const std::string WorkingDir = Directory ? gtk::ToFileName(Directory) : std::string();

  struct stat Info;
  if (stat(Path.c_str(), &Info) != 0) return {ResultOf(errno), static_cast<DWORD>(errno)};
  pid_t Child = 0;
  if (S_ISREG(Info.st_mode) && access(Path.c_str(), X_OK) == 0) {
    std::vector<std::string> Arguments{Path};
    for (std::string& Argument : gtk::SplitCommandLine(gtk::ToFileName(Parameters ? Parameters : "")))
      Arguments.push_back(std::move(Argument));
    const int Error = Spawn(Path, Arguments, WorkingDir, Child);
    if (Error == 0) g_child_watch_add(Child, Reap, nullptr);
    // A program this system cannot run itself (a Windows setup, where no
    // Wine is registered for .exe files) goes to the desktop's opener too.
    if (Error != ENOEXEC) return {ResultOf(Error), static_cast<DWORD>(Error)};
  }
  // A document or a folder: the desktop's opener decides what shows it.
  // No opener: nothing on this system can open the file, and the system has
  // no words for that.
  const std::string Opener = FindOpener();
  if (Opener.empty()) return {ErrorNoAssociation, 0};
  std::vector<std::string> Arguments{"xdg-open", Path};
  if (const int Error = Spawn(Opener, Arguments, WorkingDir, Child))
    return {ResultOf(Error), static_cast<DWORD>(Error)};
  // An opener that fails gives no reason the system could put in words.
  return OpenerStarted(Child) ? ShellOutcome{Started, 0} : ShellOutcome{ErrorNoAssociation, 0};
}

AnsiString SystemErrorText(DWORD Error) {
  if (Error == 0) return {};
  return gtk::FromUtf8(g_strerror(static_cast<int>(Error)));
}

}  // namespace vcl::backend
