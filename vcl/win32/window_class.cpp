// Window classes of the program: the application window's and one per form
// class, all with the program's icon.

#include "win32_backend.h"

namespace vcl::win32 {

void RegisterWindowClass(const wchar_t* Name, WNDPROC Procedure, ::HCURSOR Cursor) {
  const ::HINSTANCE Instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW Class{};
  Class.cbSize = sizeof Class;
  Class.lpfnWndProc = Procedure;
  Class.hInstance = Instance;
  Class.hIcon = LoadIconW(Instance, L"MAINICON");
  Class.hIconSm = static_cast<::HICON>(LoadImageW(Instance, L"MAINICON", IMAGE_ICON, 16, 16, 0));
  Class.hCursor = Cursor;
  Class.lpszClassName = Name;
  RegisterClassExW(&Class);
}

}  // namespace vcl::win32
