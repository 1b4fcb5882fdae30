// The application window and the message loop:
//   ApplicationWindow  a hidden (zero-size) window that owns the forms'
//                      windows and carries Application->Title and the
//                      program's icon on the taskbar
//   RunMessageLoop     shows the main form as the process was asked to
//                      (normal, maximised or minimised) and dispatches
//                      messages until QuitMessageLoop
//   QuitMessageLoop    PostQuitMessage

#include "native.h"

namespace vcl::backend {

namespace {

constexpr wchar_t ApplicationClass[] = L"TApplication";

// The main form's window: where activation goes when the application
// window receives it (a click on the taskbar button, say).
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

// The show command the process was started with, as WinMain's own would be.
int StartShowCommand() {
  STARTUPINFOW Startup{};
  Startup.cb = sizeof Startup;
  GetStartupInfoW(&Startup);
  return (Startup.dwFlags & STARTF_USESHOWWINDOW) ? Startup.wShowWindow : SW_SHOWNORMAL;
}

}  // namespace

vcl::HWND ApplicationWindow() {
  static const ::HWND Window = MakeApplicationWindow();
  return win32::Layer(Window);
}

void RunMessageLoop(TForm& MainForm) {
  const ::HWND AppWindow = win32::Native(ApplicationWindow());
  MainWindow = win32::Native(MainForm.Handle);
  SetWindowTextW(AppWindow, win32::Wide(vcl::Application->Title).c_str());

  switch (StartShowCommand()) {
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE:
    case SW_FORCEMINIMIZE:
      ShowWindow(MainWindow, SW_SHOWNORMAL);
      ShowWindow(AppWindow, SW_SHOWMINNOACTIVE);
      break;
    case SW_SHOWMAXIMIZED:
      ShowWindow(AppWindow, SW_SHOWNOACTIVATE);
      ShowWindow(MainWindow, SW_SHOWMAXIMIZED);
      break;
    default:
      ShowWindow(AppWindow, SW_SHOWNOACTIVATE);
      ShowWindow(MainWindow, SW_SHOWNORMAL);
      break;
  }
  UpdateWindow(MainWindow);

  MSG Message;
  while (GetMessageW(&Message, nullptr, 0, 0) > 0) {
    TranslateMessage(&Message);
    DispatchMessageW(&Message);
  }
  MainWindow = nullptr;
}

void QuitMessageLoop() { PostQuitMessage(0); }

}  // namespace vcl::backend
