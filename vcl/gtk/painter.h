#pragma once
// Painting a form's window with cairo: the core's Painter over a cairo
// context, and the paint of one draw of a form window.

#include <cairo.h>
#include <gdk/gdk.h>

#include <cstdint>
#include <unordered_map>

#include <vcl/forms.h>

#include "events.h"

namespace vcl::gtk {

// A form's bitmaps as surfaces of the window system (X pixmaps), made once
// per bitmap when first drawn: the bitmaps are bottom-up 24-bit rows, cairo
// wants top-down 32-bit pixels. The pixels go over a few rows at a time,
// so the program never holds a second whole copy of a picture.
class BitmapSurfaces {
public:
  BitmapSurfaces() = default;
  BitmapSurfaces(const BitmapSurfaces&) = delete;
  BitmapSurfaces& operator=(const BitmapSurfaces&) = delete;
  ~BitmapSurfaces();
  // Bitmap's surface, a pixmap of Window's screen.
  cairo_surface_t* For(const TBitmap& Bitmap, GdkWindow* Window);

private:
  std::unordered_map<const std::uint8_t*, cairo_surface_t*> Made;
};

class CairoPainter final : public core::Painter {
public:
  CairoPainter(cairo_t* Context, GdkWindow* Window, BitmapSurfaces& Surfaces)
      : Cr(Context), Window(Window), Cache(Surfaces) {}
  void Fill(const TRect& Area, std::uint32_t Rgb) override;
  void Draw(const TBitmap& Bitmap, TPoint At, const TRect& Clip) override;

private:
  cairo_t* Cr;
  GdkWindow* Window;  // the window drawn on
  BitmapSurfaces& Cache;
};

// Paints the part of Window (a form's window, the client inset by Band)
// that Cr's clip covers: the band in the form's colour, then the client
// through the core's painting order.
void PaintForm(cairo_t* Cr, GdkWindow* Window, BitmapSurfaces& Surfaces, TForm& Form, int Band);

}  // namespace vcl::gtk
