#pragma once
// Painting a form's window with GDI: the core's Painter over a device
// context, and the paint of one WM_PAINT of a form window.

#include "win32_backend.h"

namespace vcl::win32 {

class GdiPainter final : public core::Painter {
public:
  explicit GdiPainter(::HDC Target) : Dc(Target) {}
  void Fill(const TRect& Area, std::uint32_t Rgb) override;
  void Draw(const TBitmap& Bitmap, TPoint At, const TRect& Clip) override;

private:
  ::HDC Dc;
};

// Paints the part of Window's client that WM_PAINT asks for, through the
// core's painting order, into an off-screen bitmap first so that the
// screen gets every pixel once: no flicker when a picture is hidden over
// the background it uncovers.
void PaintForm(::HWND Window, TForm& Form);

}  // namespace vcl::win32
