// Message boxes over MessageBoxW:
//   ApplicationMessageBox  owned by the application window; every other
//                          window of the thread disabled while it is shown,
//                          then enabled again and activation given back
//   OwnedMessageBox        owned by the window given; MessageBoxW itself
//                          disables that owner and no other window

#include "win32_backend.h"

#include <vector>

namespace vcl::backend {

namespace {

BOOL CALLBACK DisableIfShown(::HWND Window, LPARAM Disabled) {
  if (IsWindowVisible(Window) && IsWindowEnabled(Window)) {
    EnableWindow(Window, FALSE);
    reinterpret_cast<std::vector<::HWND>*>(Disabled)->push_back(Window);
  }
  return TRUE;
}

// Disables the thread's visible, enabled top-level windows and returns them.
std::vector<::HWND> DisableThreadWindows() {
  std::vector<::HWND> Disabled;
  EnumThreadWindows(GetCurrentThreadId(), DisableIfShown, reinterpret_cast<LPARAM>(&Disabled));
  return Disabled;
}

}  // namespace

int ApplicationMessageBox(const char* Text, const char* Caption, UINT Flags) {
  const ::HWND Active = GetActiveWindow();
  const std::vector<::HWND> Disabled = DisableThreadWindows();
  const int Result = MessageBoxW(win32::Native(ApplicationWindow()), win32::Wide(Text).c_str(),
                                 win32::Wide(Caption).c_str(), Flags);
  for (const ::HWND Window : Disabled) EnableWindow(Window, TRUE);
  // When the box closed every window of the thread was still disabled, so
  // the system activated some other program's window: take it back.
  if (Active && IsWindow(Active)) SetActiveWindow(Active);
  return Result;
}

int OwnedMessageBox(vcl::HWND Owner, const char* Text, const char* Caption, UINT Flags) {
  return MessageBoxW(win32::Native(Owner), win32::Wide(Text).c_str(), win32::Wide(Caption).c_str(),
                     Flags);
}

}  // namespace vcl::backend
