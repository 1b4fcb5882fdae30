// The yardstick for the menu's start-up time: the least a Win32 program
// does to show a window of the menu's size, centred, filled with the menu
// colour. Closes on WM_CLOSE.

#include <windows.h>

namespace {

LRESULT CALLBACK WindowProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam) {
  switch (Message) {
    case WM_PAINT: {
      PAINTSTRUCT Paint;
      const HDC Dc = BeginPaint(Window, &Paint);
      FillRect(Dc, &Paint.rcPaint, GetSysColorBrush(COLOR_MENU));
      EndPaint(Window, &Paint);
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(Window, Message, WParam, LParam);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE Instance, HINSTANCE, LPSTR, int Show) {
  WNDCLASSW Class{};
  Class.lpfnWndProc = WindowProc;
  Class.hInstance = Instance;
  Class.lpszClassName = L"BareWindow";
  RegisterClassW(&Class);
  const int Width = 635, Height = 423;
  const HWND Window = CreateWindowExW(0, L"BareWindow", L"", WS_POPUP,
                                      (GetSystemMetrics(SM_CXSCREEN) - Width) / 2,
                                      (GetSystemMetrics(SM_CYSCREEN) - Height) / 2, Width, Height,
                                      nullptr, nullptr, Instance, nullptr);
  ShowWindow(Window, Show);
  UpdateWindow(Window);
  MSG Message;
  while (GetMessageW(&Message, nullptr, 0, 0) > 0) {
    TranslateMessage(&Message);
    DispatchMessageW(&Message);
  }
  return 0;
}
