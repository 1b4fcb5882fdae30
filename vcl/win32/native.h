#pragma once
// What every file of the Win32 backend shares: <windows.h> brought in after
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
// lacks it (process.cpp).
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
