// The message loop over the Win32 calls:
//   RunMessageLoop   shows the main form as the process was asked to
//                    (normal, maximised or minimised), with the application
//                    window on the taskbar, and dispatches messages until
//                    QuitMessageLoop
//   QuitMessageLoop  PostQuitMessage

#include "win32_backend.h"

namespace vcl::backend {

namespace {

// The show command the process was started with, as WinMain's own would be.
int StartShowCommand() {
  STARTUPINFOW Startup{};
  Startup.cb = sizeof Startup;
  GetStartupInfoW(&Startup);
  return (Startup.dwFlags & STARTF_USESHOWWINDOW) ? Startup.wShowWindow : SW_SHOWNORMAL;
}

}  // namespace

void RunMessageLoop(TForm& MainForm) {
  const ::HWND AppWindow = win32::Native(ApplicationWindow());
  const ::HWND MainWindow = win32::Native(MainForm.Handle);
  win32::SetMainWindow(MainWindow);
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
  win32::SetMainWindow(nullptr);
}

void QuitMessageLoop() { PostQuitMessage(0); }

}  // namespace vcl::backend
