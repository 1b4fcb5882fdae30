#pragma once
// The scripted backend for unit tests: an in-memory disc (folders and
// files), registry keys, the Windows version, and a record of every launch
// and message box with its exact bytes. Questions are answered from a queue
// of answers; an answer may act (click another entry, say) before it
// returns, the way a user can while a question is open.

#include <vcl/types.h>

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace fake {

struct Launch {
  vcl::HWND Owner;
  std::string Operation;
  std::string File;
  std::optional<std::string> Parameters;  // nullopt: a null pointer was passed
  std::optional<std::string> Directory;
  int ShowCommand;
  std::string CurrentDir;  // the current directory at the moment of the call
  friend bool operator==(const Launch&, const Launch&) = default;
};

enum class BoxKind {
  Application,  // Application->MessageBox: disables every window of the application
  Owned,        // MessageBoxA: disables only its owner
};

struct Box {
  BoxKind Kind;
  vcl::HWND Owner;
  std::string Text;
  std::string Caption;
  vcl::UINT Flags;
  friend bool operator==(const Box&, const Box&) = default;
};

enum class Key { Present, AccessDenied };

struct World {
  std::string ExePath;
  std::set<std::string> Folders;
  std::set<std::string> Files;
  std::string CurrentDir;
  std::vector<std::string> DirChanges;  // every folder SetCurrentDir was asked to enter, in order
  std::map<std::string, Key> Keys;  // HKEY_LOCAL_MACHINE keys, lower case, no leading backslash
  int OpenRegistrySessions = 0;
  std::vector<std::string> RegistryQueries;  // every key KeyExists was asked about, in order
  std::vector<std::string> FileQueries;      // every path FileExists was asked about, in order
  std::vector<Launch> Launches;
  std::vector<Box> Boxes;
  std::deque<std::function<int()>> Answers;  // for Owned boxes; an empty queue answers 0
  bool QuitRequested = false;
};

// The fake's whole state; Reset() empties it for the next test.
World& State();
void Reset();

// Adds a folder, or a file together with its folders, to the fake disc.
void AddFolder(const std::string& Path);
void AddFile(const std::string& Path);
void SetWindowsMajorVersion(int Major);

inline const vcl::HWND ApplicationHandle = reinterpret_cast<vcl::HWND>(std::uintptr_t{0xA11});

}  // namespace fake
