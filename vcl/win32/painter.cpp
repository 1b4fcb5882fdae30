// Painting a form's window with GDI: the core's Painter over a device
// context,
//   Fill  FillRect with a solid brush
//   Draw  SetDIBitsToDevice straight from the bitmap's pixels in the form
//         resource (no copy of the picture is made)
// and PaintForm, which runs the core's paint of one WM_PAINT into an
// off-screen bitmap and copies that to the window in one BitBlt. The
// border band is non-client and painted with the window (form_window.cpp).

#include "painter.h"

namespace vcl::win32 {

namespace {

COLORREF FromRgb(std::uint32_t Rgb) {
  return RGB((Rgb >> 16) & 0xFF, (Rgb >> 8) & 0xFF, Rgb & 0xFF);
}

}  // namespace

void GdiPainter::Fill(const TRect& Area, std::uint32_t Rgb) {
  const RECT Native{Area.Left, Area.Top, Area.Right, Area.Bottom};
  const ::HBRUSH Brush = CreateSolidBrush(FromRgb(Rgb));
  FillRect(Dc, &Native, Brush);
  DeleteObject(Brush);
}

void GdiPainter::Draw(const TBitmap& Bitmap, TPoint At, const TRect& Clip) {
  // The header describes the pixels as they lie in the BMP file: rows
  // bottom-up, 24 bits, each row padded to four bytes (which is what
  // Bitmap.Stride is for a BMP).
  BITMAPINFO Info{};
  Info.bmiHeader.biSize = sizeof Info.bmiHeader;
  Info.bmiHeader.biWidth = Bitmap.Width;
  Info.bmiHeader.biHeight = Bitmap.Height;
  Info.bmiHeader.biPlanes = 1;
  Info.bmiHeader.biBitCount = 24;
  Info.bmiHeader.biCompression = BI_RGB;
  const int SourceLeft = Clip.Left - At.x;
  const int SourceTop = Clip.Top - At.y;
  // For a bottom-up bitmap the source rectangle is measured from its
  // lowest row: the clip's bottom edge, counted from the bottom.
  const int SourceBottom = Bitmap.Height - (SourceTop + Clip.Height());
  SetDIBitsToDevice(Dc, Clip.Left, Clip.Top, static_cast<DWORD>(Clip.Width()), static_cast<DWORD>(Clip.Height()),
                    SourceLeft, SourceBottom, 0, static_cast<UINT>(Bitmap.Height), Bitmap.Pixels, &Info,
                    DIB_RGB_COLORS);
}

void PaintForm(::HWND Window, TForm& Form) {
  PAINTSTRUCT Paint;
  const ::HDC Screen = BeginPaint(Window, &Paint);
  const RECT& Area = Paint.rcPaint;
  const int Width = Area.right - Area.left;
  const int Height = Area.bottom - Area.top;
  if (Width > 0 && Height > 0) {
    const ::HDC Buffer = CreateCompatibleDC(Screen);
    const ::HBITMAP Pixels = CreateCompatibleBitmap(Screen, Width, Height);
    const ::HGDIOBJ Previous = SelectObject(Buffer, Pixels);
    // The buffer covers only the area to paint; moving its origin lets the
    // painter use client coordinates throughout.
    SetViewportOrgEx(Buffer, -Area.left, -Area.top, nullptr);
    GdiPainter Painter(Buffer);
    // The core paints the form's designed client; a maximised window is
    // larger, and the rest shows the form's colour.
    Painter.Fill({Area.left, Area.top, Area.right, Area.bottom}, core::ColorToRGB(Form.Color));
    core::Paint(Form, Painter, {Area.left, Area.top, Area.right, Area.bottom});
    BitBlt(Screen, Area.left, Area.top, Width, Height, Buffer, Area.left, Area.top, SRCCOPY);
    SelectObject(Buffer, Previous);
    DeleteObject(Pixels);
    DeleteDC(Buffer);
  }
  EndPaint(Window, &Paint);
}

}  // namespace vcl::win32
