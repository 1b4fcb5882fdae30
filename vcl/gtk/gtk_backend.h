#pragma once
// The GTK backend: vcl/backend.h over GTK 3 on X11, GLib and Linux's own
// calls. Each file implements one group of the seam, under the same name as
// the Win32 backend's file for that group:
//   text.cpp             TextFromUtf8, and every conversion to and from the
//                        platform's UTF-8 (texts, file names)
//   files.cpp            ExecutablePath, ChangeCurrentDir, IsFile
//   windows_version.cpp  WindowsMajorVersion
//   registry.cpp         OpenRegistry, KeyExists, CloseRegistry
//   shell.cpp            StartShellOperation, SystemErrorText
//   message_boxes.cpp    ApplicationMessageBox, OwnedMessageBox
//   resources.cpp        ProgramResource
//   system_colors.cpp    SystemColor
//   form_window.cpp      PrimaryWorkArea, CreateFormWindow, DestroyFormWindow,
//                        CursorPos, ClientOrigin, CaptureMouse, ReleaseMouse,
//                        InvalidateArea
//   painter.cpp          painting a form window for the above
//   message_loop.cpp     ApplicationWindow, RunMessageLoop, QuitMessageLoop
// and the files Linux alone needs:
//   wine_registry.cpp         reads the registry files of a Wine prefix,
//                             which stand in for the Windows registry
//   windows_command_line.cpp  splits a parameter text into arguments as a
//                             Windows program would, for spawning setups
//   main.cpp                  the program's main, which calls WinMain
//
// Where it deliberately behaves otherwise than the Win32 backend:
// - Capture: CaptureMouse and ReleaseMouse do nothing. While a button is
//   held, X's implicit pointer grab sends every pointer event to the window
//   that had the press, which is the capture; a broken grab cancels it.
// - There is no application window: ApplicationWindow is a handle with no
//   window behind it, nothing shows on a taskbar for it, and the window's
//   title comes from the form alone.
// - Questions owned by the application window are not modal: each runs in
//   a nested main loop while the menu window goes on taking input, where
//   Windows leaves the owner enabled for the same effect.
// - The registry and the Windows version are those of the user's Wine
//   prefix; launching spawns executables directly and hands other files to
//   the desktop's opener; the system colours are Windows 7's defaults.
//
// Below: what the files of the backend share with each other (and with
// their tests).

#include <vcl/ansistring.h>
#include <vcl/forms.h>

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

typedef struct _GtkWidget GtkWidget;

namespace vcl::gtk {

// ---- Text (text.cpp) ----

// Code page 936 bytes to UTF-8, through GB18030 (a superset of GBK that
// covers all of Unicode). A byte sequence that is not GB18030 becomes U+FFFD.
std::string ToUtf8(std::string_view Ansi);
// UTF-8 (a GTK text) to code page 936 bytes, through GB18030 so that no
// character is lost. Invalid UTF-8 becomes U+FFFD.
AnsiString FromUtf8(std::string_view Utf8);
// A Linux file name's bytes to code page 936 bytes and back, losing none:
// bytes that are not UTF-8 are carried through (text.cpp says how).
AnsiString FromFileName(std::string_view Name);
std::string ToFileName(std::string_view Ansi);

// ---- Command lines (windows_command_line.cpp) ----

// Splits a Windows command-line parameter text into arguments by the rules
// of the Microsoft C runtime: blanks separate, double quotes group, "" inside
// quotes is a literal quote, and backslashes escape only a following quote.
std::vector<std::string> SplitCommandLine(std::string_view Parameters);

// ---- Wine registry files (wine_registry.cpp) ----

// A registry file of a Wine prefix (system.reg or user.reg) at Path, read
// as a stream and only as far as the answer needs. A file that is missing,
// unreadable, not a regular file, or too large for any prefix has no keys.

// True if one of Keys (UTF-8, backslash-separated, any case) is in the file
// or lies on the way to one that is: Wine writes only the keys that hold
// values or have no subkeys. The empty name, the root key, always exists.
bool RegistryFileHasKey(const std::string& Path, std::initializer_list<std::string_view> Keys);
// The values Names of Key, in their order: the text of a string value
// ("..."), the number of a dword value, or nothing.
std::vector<std::optional<std::string>> RegistryFileValues(const std::string& Path, std::string_view Key,
                                                           std::initializer_list<std::string_view> Names);

// The folder of the user's Wine prefix: $WINEPREFIX, else ~/.wine.
std::string WinePrefix();

// The major version of the Windows the prefix pretends to be, read afresh
// (windows_version.cpp; WindowsMajorVersion reads it once and keeps it).
int ReadWindowsMajorVersion();

// ---- Form windows (form_window.cpp) and the message loop (message_loop.cpp) ----

// The GtkWindow of a form window's handle.
GtkWidget* FormWidget(HWND Window);
// The main form's GTK window while the message loop runs, else null: the
// parent that message boxes are centred on and give activation back to.
GtkWidget* MainWindowWidget();

}  // namespace vcl::gtk
