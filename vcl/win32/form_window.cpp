// The native window of a form, and the pointer, over the Win32 calls:
//   CreateFormWindow, DestroyFormWindow  a popup owned by the application
//       window, its client inset by the form's BorderWidth as a real
//       non-client band painted in the form's colour, placed by the core
//       in the primary screen's work area
//   PrimaryWorkArea                      SystemParametersInfoW(SPI_GETWORKAREA)
//   CursorPos, ClientOrigin              GetCursorPos, ClientToScreen
//   CaptureMouse, ReleaseMouse           SetCapture, ReleaseCapture
//   InvalidateArea                       InvalidateRect
//
// The window procedure turns mouse, paint (painter.cpp) and close messages
// into core calls and does nothing else.

#include "painter.h"

#include <windowsx.h>

namespace vcl::backend {

namespace {

// The window holding the mouse capture on the core's request, or null.
// Kept so that a capture taken away by the system (WM_CAPTURECHANGED) can
// be told from one the core gave back itself.
::HWND CaptureHolder = nullptr;

TForm* FormOf(::HWND Window) {
  return reinterpret_cast<TForm*>(GetWindowLongPtrW(Window, GWLP_USERDATA));
}

// The buttons and keys held during a mouse message; Alt is not among the
// message's flags.
TShiftState ShiftOf(WPARAM Keys) {
  TShiftState Shift = ssNone;
  if (Keys & MK_SHIFT) Shift |= ssShift;
  if (GetKeyState(VK_MENU) < 0) Shift |= ssAlt;
  if (Keys & MK_CONTROL) Shift |= ssCtrl;
  if (Keys & MK_LBUTTON) Shift |= ssLeft;
  if (Keys & MK_RBUTTON) Shift |= ssRight;
  if (Keys & MK_MBUTTON) Shift |= ssMiddle;
  return Shift;
}

// Client coordinates; negative or beyond the client while the capture is held.
TPoint PointOf(LPARAM Position) { return {GET_X_LPARAM(Position), GET_Y_LPARAM(Position)}; }

// The button of a WM_?BUTTONDOWN or WM_?BUTTONUP message.
TMouseButton ButtonOf(UINT Message) {
  switch (Message) {
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP: return TMouseButton::mbRight;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP: return TMouseButton::mbMiddle;
    default: return TMouseButton::mbLeft;
  }
}

// Paints the band between the window's edge and its client in the form's colour.
void PaintBand(::HWND Window, TForm& Form) {
  RECT Outer, Inner;
  GetWindowRect(Window, &Outer);
  GetClientRect(Window, &Inner);
  MapWindowPoints(Window, nullptr, reinterpret_cast<POINT*>(&Inner), 2);
  OffsetRect(&Inner, -Outer.left, -Outer.top);
  OffsetRect(&Outer, -Outer.left, -Outer.top);
  // GetWindowDC: a device context for the whole window, non-client included.
  const ::HDC Dc = GetWindowDC(Window);
  ExcludeClipRect(Dc, Inner.left, Inner.top, Inner.right, Inner.bottom);
  const std::uint32_t Rgb = core::ColorToRGB(Form.Color);
  const ::HBRUSH Brush = CreateSolidBrush(RGB((Rgb >> 16) & 0xFF, (Rgb >> 8) & 0xFF, Rgb & 0xFF));
  FillRect(Dc, &Outer, Brush);
  DeleteObject(Brush);
  ReleaseDC(Window, Dc);
}

LRESULT CALLBACK FormWindowProc(::HWND Window, UINT Message, WPARAM WParam, LPARAM LParam) {
  if (Message == WM_NCCREATE) {
    // The form rides along in CreateWindowExW's last argument.
    const auto* Create = reinterpret_cast<const CREATESTRUCTW*>(LParam);
    SetWindowLongPtrW(Window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(Create->lpCreateParams));
  }
  TForm* Form = FormOf(Window);
  if (!Form) return DefWindowProcW(Window, Message, WParam, LParam);

  switch (Message) {
    case WM_NCCALCSIZE: {
      // The client is the window rectangle inset by the border width on
      // every side: the band is non-client, so it takes no client mouse
      // input and a point on it is outside the client area. Either form of
      // the message starts with the window rectangle to turn into the
      // client's (WParam FALSE: a plain RECT, as at creation).
      RECT* Proposed = WParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(LParam)->rgrc[0]
                              : reinterpret_cast<RECT*>(LParam);
      InflateRect(Proposed, -Form->BorderWidth, -Form->BorderWidth);
      return 0;
    }
    case WM_NCPAINT:
      PaintBand(Window, *Form);
      return 0;
    case WM_NCACTIVATE:
      // The default would redraw a frame this window does not have over the
      // band; TRUE lets the activation change go on.
      return TRUE;
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT covers every pixel
    case WM_PAINT:
      win32::PaintForm(Window, *Form);
      return 0;
    case WM_MOUSEMOVE:
      core::MouseMove(*Form, ShiftOf(WParam), PointOf(LParam));
      return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      core::MouseDown(*Form, ButtonOf(Message), ShiftOf(WParam), PointOf(LParam));
      return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      core::MouseUp(*Form, ButtonOf(Message), ShiftOf(WParam), PointOf(LParam));
      return 0;
    case WM_CANCELMODE:
      // Sent when a dialog or menu opens, among others: the press is
      // abandoned without a click; the default releases the capture.
      if (CaptureHolder == Window) {
        CaptureHolder = nullptr;
        core::CancelMode(*Form);
      }
      break;
    case WM_CAPTURECHANGED:
      // Another window took the capture while the core still held it.
      if (CaptureHolder == Window && reinterpret_cast<::HWND>(LParam) != Window) {
        CaptureHolder = nullptr;
        core::CancelMode(*Form);
      }
      return 0;
    case WM_CLOSE:
      // Alt+F4 arrives here through the system's close command. Closing is
      // the form's business; the default would destroy the window.
      Form->Close();
      return 0;
    default:
      break;
  }
  return DefWindowProcW(Window, Message, WParam, LParam);
}

// One window class per form class, named after it (TAutoForm), as the VCL
// does. Registering a class again fails harmlessly.
std::wstring FormWindowClass(const TForm& Form) {
  std::wstring Name = win32::Wide(Form.Class.ClassName);
  win32::RegisterWindowClass(Name.c_str(), FormWindowProc,
                             LoadCursorW(nullptr, MAKEINTRESOURCEW(32512) /* IDC_ARROW */));
  return Name;
}

}  // namespace

TRect PrimaryWorkArea() {
  RECT Area{};
  if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &Area, 0))
    Area = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  return {Area.left, Area.top, Area.right, Area.bottom};
}

vcl::HWND CreateFormWindow(TForm& Form) {
  const int Width = Form.ClientWidth + 2 * Form.BorderWidth;
  const int Height = Form.ClientHeight + 2 * Form.BorderWidth;
  const TPoint Place = core::WindowPlace(Form, Width, Height, PrimaryWorkArea());
  // WS_POPUP: no frame and no caption bar, so the user cannot move or size
  // it. WS_SYSMENU gives it the system's close command, which Alt+F4 sends.
  // Owned by the application window, it has no taskbar button of its own.
  const ::HWND Window = CreateWindowExW(0, FormWindowClass(Form).c_str(), win32::Wide(Form.Caption).c_str(),
                                        WS_POPUP | WS_SYSMENU | WS_CLIPCHILDREN, Place.x, Place.y, Width, Height,
                                        win32::Native(ApplicationWindow()), nullptr, GetModuleHandleW(nullptr), &Form);
  if (!Window) throw Exception("无法创建窗口");
  return win32::Layer(Window);
}

void DestroyFormWindow(vcl::HWND Window) {
  if (!Window) return;
  // The form is going away: no message may reach it any more.
  SetWindowLongPtrW(win32::Native(Window), GWLP_USERDATA, 0);
  if (CaptureHolder == win32::Native(Window)) CaptureHolder = nullptr;
  DestroyWindow(win32::Native(Window));
}

TPoint CursorPos() {
  POINT Point{};
  GetCursorPos(&Point);
  return {Point.x, Point.y};
}

TPoint ClientOrigin(vcl::HWND Window) {
  POINT Origin{0, 0};
  ClientToScreen(win32::Native(Window), &Origin);
  return {Origin.x, Origin.y};
}

void CaptureMouse(vcl::HWND Window) {
  // Every mouse message goes to this window until released, even with the
  // pointer outside it, in client coordinates.
  CaptureHolder = win32::Native(Window);
  SetCapture(CaptureHolder);
}

void ReleaseMouse() {
  const ::HWND Holder = CaptureHolder;
  // Cleared first: ReleaseCapture sends WM_CAPTURECHANGED at once.
  CaptureHolder = nullptr;
  // Only our own capture: another window of the thread may hold it now.
  if (Holder && GetCapture() == Holder) ReleaseCapture();
}

void InvalidateArea(vcl::HWND Window, const TRect& Area) {
  const RECT Native{Area.Left, Area.Top, Area.Right, Area.Bottom};
  InvalidateRect(win32::Native(Window), &Native, FALSE);
}

}  // namespace vcl::backend
