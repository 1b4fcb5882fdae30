#pragma once
// The seam between the platform-neutral core and a backend: everything a
// backend (GTK, Win32, or the tests' fake) must provide. A build links
// exactly one backend. Texts cross this seam as code page 936 bytes; a
// backend converts them where it talks to its platform, in its text file,
// and only there. Policy that is no platform's business (where a window
// goes, which bit is which key) lives in the core, not here.

#include <vcl/ansistring.h>
#include <vcl/types.h>

#include <cstdint>
#include <span>
#include <string_view>

namespace vcl {
class TForm;
}

namespace vcl::backend {

// ---- Texts ----

// A text the form resource holds as UTF-8 (a form's caption, a font's
// name) in the layer's code page 936 bytes.
AnsiString TextFromUtf8(std::string_view Utf8);

// ---- Process and files ----

// The full path of the running executable; empty if the system cannot
// tell it, or if it cannot be held in the layer's text without loss.
AnsiString ExecutablePath();
// Makes Dir the current directory; false if it is missing or not a folder.
bool ChangeCurrentDir(const AnsiString& Dir);
// True for an existing file, false for a folder or nothing.
bool IsFile(const AnsiString& Path);
// The major version number of the Windows the program runs in (or, off
// Windows, that the disc's setup programs would run in), read from the
// system the first time it is asked for and the same ever after.
int WindowsMajorVersion();

// ---- Registry ----

// What a backend holds open for one registry accessor.
struct RegistrySession;
RegistrySession* OpenRegistry();
// True if Key (absolute from Root, without a leading backslash) can be
// opened for reading; the key is closed again at once.
bool KeyExists(RegistrySession& Session, HKEY Root, const AnsiString& Key);
void CloseRegistry(RegistrySession* Session);

// ---- Shell ----

// What starting a file came to: Result greater than 32 on success; on
// failure 32 or less, with the system's error code in Error (0 where the
// system gives none). ERROR_CANCELLED is the user's No to an elevation
// prompt.
struct ShellOutcome {
  int Result;
  DWORD Error;
};
// Starts File by the shell's Operation and returns once it is started, or
// has failed to start. Parameters and Directory may be null.
ShellOutcome StartShellOperation(HWND Owner, const char* Operation, const char* File,
                                 const char* Parameters, const char* Directory, int ShowCommand);
// The system's own words for an error code of StartShellOperation, in the
// user's language; empty for 0.
AnsiString SystemErrorText(DWORD Error);

// ---- Message boxes ----

// A message box owned by the application window that disables every window
// of the application while shown and afterwards gives activation back to
// the window that had it. Returns the button chosen.
int ApplicationMessageBox(const char* Text, const char* Caption, UINT Flags);
// A message box owned by Owner that disables only its owner.
int OwnedMessageBox(HWND Owner, const char* Text, const char* Caption, UINT Flags);

// ---- Resources ----

// The program's RCDATA resource Name, or an empty span if it has none. The
// bytes stay where they are for the life of the process.
std::span<const std::uint8_t> ProgramResource(const char* Name);

// ---- Pointer, capture and painting ----

// The pointer position in screen coordinates.
TPoint CursorPos();
// The screen position of the top-left pixel of Window's client area.
TPoint ClientOrigin(HWND Window);
// Sends every mouse event to Window, wherever the pointer is, until
// ReleaseMouse; a backend whose toolkit grabs the pointer on a button press
// by itself may do nothing here.
void CaptureMouse(HWND Window);
void ReleaseMouse();
// Asks for Area (client coordinates) of Window to be painted again soon,
// through vcl::core::Paint (events.h).
void InvalidateArea(HWND Window, const TRect& Area);
// A system colour (COLOR_MENU, COLOR_WINDOWTEXT, ...) as 0x00RRGGBB.
std::uint32_t SystemColor(int Index);

// ---- Windows ----

// The hidden application window.
HWND ApplicationWindow();
// The primary screen less its taskbars and panels, in screen coordinates.
TRect PrimaryWorkArea();
// Makes the native window of a fully read Form (not yet shown): its caption,
// client size, border band and colour come from the form, its place from
// core::WindowPlace (events.h).
HWND CreateFormWindow(TForm& Form);
void DestroyFormWindow(HWND Window);
// Shows Form's window and runs the message loop until QuitMessageLoop.
void RunMessageLoop(TForm& MainForm);
void QuitMessageLoop();

}  // namespace vcl::backend
