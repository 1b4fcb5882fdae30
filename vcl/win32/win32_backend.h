#pragma once
// The Win32 backend: vcl/backend.h over the wide Win32 calls, no runtime
// DLLs, from Windows XP on. Each file implements one group of the seam,
// under the same name as the GTK backend's file for that group:
//   text.cpp             TextFromUtf8, and every conversion to and from the
//                        UTF-16 of the wide calls
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
//   message_loop.cpp     RunMessageLoop, QuitMessageLoop
// and the files Windows alone needs:
//   application_window.cpp  ApplicationWindow: the hidden window that owns
//                           the forms' windows and stands on the taskbar
//   window_class.cpp        the program's window classes
//   dll_search_path.cpp     keeps DLLs beside the program (on the disc) from
//                           being loaded, and loads system DLLs by full path
//   terminate.cpp           an uncaught exception ends the program at once
//
// Where it deliberately behaves otherwise than the GTK backend:
// - Capture is the system's: SetCapture on the core's request, and a
//   capture the system takes away (WM_CANCELMODE, WM_CAPTURECHANGED)
//   cancels the press.
// - The application window is real: it owns the form windows, carries the
//   taskbar button, and minimising it hides them.
// - A question owned by the application window is a MessageBoxW owned by
//   that hidden window: it disables only its owner, so the menu window goes
//   on taking input while the system's modal loop dispatches its messages.
// - The border band is the window's non-client area (WM_NCCALCSIZE).
//
// Below, what every file of the backend shares: <windows.h> brought in after
// the platform layer's own headers, the conversion between the layer's
// opaque handles and the native ones, and the text conversion between code
// page 936 bytes and the UTF-16 of the wide Win32 calls.
//
// Order matters: the layer's headers name constants (MB_OK, SW_HIDE,
// HKEY_LOCAL_MACHINE, ...) that <windows.h> defines as macros, so they must
// be read first. After <windows.h> those names are the native macros.

#include <vcl/ansistring.h>
#include <vcl/controls.h>
#include <vcl/forms.h>
#include <vcl/types.h>

#include "backend.h"
#include "events.h"

#include <windows.h>

#include <string>

namespace vcl::win32 {

inline ::HWND Native(vcl::HWND Window) { return reinterpret_cast<::HWND>(Window); }
inline vcl::HWND Layer(::HWND Window) { return reinterpret_cast<vcl::HWND>(Window); }

// GBK text (as GB18030, its superset) to UTF-16 and back; nothing is lost
// either way. A null Text gives an empty string.
std::wstring Wide(const char* Text);
inline std::wstring Wide(const AnsiString& Text) { return Wide(Text.c_str()); }
AnsiString Narrow(const wchar_t* Text);

// Registers a window class of the program, with MAINICON in both sizes and
// the given cursor (null: none). Registering a class again fails harmlessly.
void RegisterWindowClass(const wchar_t* Name, WNDPROC Procedure, ::HCURSOR Cursor);

// The address of Name in the system DLL Dll, loaded from the system folder
// (never from beside the program) on first use; null where this Windows
// lacks it (dll_search_path.cpp).
// The application window's procedure hands activation and closing to this
// window, the main form's while the message loop runs (application_window.cpp).
void SetMainWindow(::HWND Window);

FARPROC SystemProcedure(const wchar_t* Dll, const char* Name);

// The same, as the function type it has. FARPROC goes through void (*)()
// because GCC warns about a direct cast between unrelated function types.
template <class Function>
Function* SystemFunction(const wchar_t* Dll, const char* Name) {
  return reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(SystemProcedure(Dll, Name)));
}

// Text for a wide call's optional parameter: null stays null.
class OptionalWide {
public:
  explicit OptionalWide(const char* Text) : Present(Text != nullptr), Value(Wide(Text)) {}
  const wchar_t* get() const noexcept { return Present ? Value.c_str() : nullptr; }

private:
  bool Present;
  std::wstring Value;
};

}  // namespace vcl::win32
