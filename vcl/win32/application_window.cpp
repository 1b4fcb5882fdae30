// The application window, which Windows alone has:
//   ApplicationWindow  a hidden (zero-size) window that owns the forms'
//                      windows and carries Application->Title and the
//                      program's icon on the taskbar; it hands activation,
//                      minimising and closing on to the main form's window

#include "win32_backend.h"

namespace vcl::backend {

namespace {

constexpr wchar_t ApplicationClass[] = L"TApplication";

// The main form's window while the message loop runs: where activation goes
// when the application window receives it (a click on the taskbar button,
// say).
::HWND MainWindow = nullptr;

LRESULT CALLBACK ApplicationWindowProc(::HWND Window, UINT Message, WPARAM WParam, LPARAM LParam) {
  switch (Message) {
    case WM_ACTIVATE:
      if (LOWORD(WParam) != WA_INACTIVE && MainWindow && IsWindowEnabled(MainWindow) &&
          IsWindowVisible(MainWindow)) {
        SetActiveWindow(MainWindow);
        return 0;
      }
      break;
    case WM_SIZE:
      // Minimising the taskbar entry hides the owned windows; restoring it
      // shows again those it hid (ShowOwnedPopups keeps count of which).
      if (WParam == SIZE_MINIMIZED) ShowOwnedPopups(Window, FALSE);
      if (WParam == SIZE_RESTORED) {
        ShowOwnedPopups(Window, TRUE);
        if (MainWindow) SetActiveWindow(MainWindow);
      }
      return 0;
    case WM_CLOSE:
      // "Close window" on the taskbar entry closes the main form.
      if (MainWindow) PostMessageW(MainWindow, WM_CLOSE, 0, 0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(Window, Message, WParam, LParam);
}

::HWND MakeApplicationWindow() {
  win32::RegisterWindowClass(ApplicationClass, ApplicationWindowProc, nullptr);
  // A captioned, unowned window gets a taskbar button; of zero size at the
  // screen's centre, it is never seen itself.
  return CreateWindowExW(0, ApplicationClass, L"",
                         WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                         GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0,
                         0, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

}  // namespace

vcl::HWND ApplicationWindow() {
  static const ::HWND Window = MakeApplicationWindow();
  return win32::Layer(Window);
}

}  // namespace vcl::backend

namespace vcl::win32 {

void SetMainWindow(::HWND Window) { backend::MainWindow = Window; }

}  // namespace vcl::win32
