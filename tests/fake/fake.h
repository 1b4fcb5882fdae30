#pragma once
// The scripted backend for unit tests: an in-memory disc (folders and
// files), registry keys, the Windows version, and a record of every launch
// and message box with its exact bytes. Questions are answered from a queue
// of answers; an answer may act (click another entry, say) before it
// returns, the way a user can while a question is open.

#include <vcl/types.h>

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace vcl {
class TForm;
}

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
  int MajorVersion = 10;  // of the Windows the menu runs in
  int OpenRegistrySessions = 0;
  std::vector<std::string> RegistryQueries;  // every key KeyExists was asked about, in order
  std::vector<std::string> FileQueries;      // every path FileExists was asked about, in order
  std::vector<Launch> Launches;
  int ShellResult = 42;  // what the shell answers a launch; 32 or less is a failure
  vcl::DWORD ShellError = 0;  // and the system's error code with a failure
  std::vector<Box> Boxes;
  std::deque<std::function<int()>> Answers;  // for Owned boxes; an empty queue answers 0
  bool QuitRequested = false;

  // Resources that replace the program's own ones of the same name.
  std::map<std::string, std::vector<std::uint8_t>> Resources;
  // The menu window: made by the form, shown by the message loop, at the
  // place the core chose in the primary screen's work area.
  vcl::TForm* Window = nullptr;
  vcl::TRect WorkArea{0, 0, 1280, 984};
  vcl::TPoint WindowPlace{};
  vcl::TPoint ClientOrigin{323, 301};  // the client area's top-left on the screen
  vcl::TPoint Cursor{0, 0};            // the pointer, in screen coordinates
  bool Captured = false;               // the window holds the mouse capture
  std::vector<vcl::TRect> Invalidated; // every area the core asked to repaint
  // What the user does while the message loop runs; the loop returns when
  // it is done.
  std::function<void()> Session;
  int LoopRuns = 0;
};

// The fake's whole state; Reset() empties it for the next test.
World& State();
void Reset();

// Adds a folder, or a file together with its folders, to the fake disc.
void AddFolder(const std::string& Path);
void AddFile(const std::string& Path);
void SetWindowsMajorVersion(int Major);

// The pointer, as a user moves it. Positions are in the menu window's client
// coordinates. The window receives a move when the pointer is over its
// client area or while it holds the capture, as a real window does; over
// the border band or off the window nothing reaches it.
void MoveTo(vcl::TPoint Client);
void Press();    // the left button goes down where the pointer is
void Release();  // and comes up there
// A click where the pointer is.
void ClickHere();

// The window's client area as the core paints it now, as 0x00RRGGBB per
// pixel, row by row from the top.
struct Frame {
  int Width = 0;
  int Height = 0;
  std::vector<std::uint32_t> Pixels;
  std::uint32_t At(int X, int Y) const { return Pixels[static_cast<std::size_t>(Y * Width + X)]; }
};
Frame Paint();

// The colour the fake gives the menu colour (COLOR_MENU).
inline constexpr std::uint32_t MenuColor = 0xF0F0F0;

// UTF-8 as GB18030 bytes, converted by the platform the tests run on.
std::string Gb18030FromUtf8(std::string_view Utf8);

inline const vcl::HWND ApplicationHandle = reinterpret_cast<vcl::HWND>(std::uintptr_t{0xA11});

}  // namespace fake
