#pragma once
// The core's Painter over a cairo context, for one draw of a form window.

#include <cairo.h>

#include <cstdint>
#include <unordered_map>

#include "events.h"

namespace vcl::gtk {

// Cairo surfaces made from a form's bitmaps, made once per bitmap: the
// bitmaps are bottom-up 24-bit rows, cairo wants top-down 32-bit pixels.
class BitmapSurfaces {
public:
  BitmapSurfaces() = default;
  BitmapSurfaces(const BitmapSurfaces&) = delete;
  BitmapSurfaces& operator=(const BitmapSurfaces&) = delete;
  ~BitmapSurfaces();
  cairo_surface_t* For(const TBitmap& Bitmap);

private:
  std::unordered_map<const std::uint8_t*, cairo_surface_t*> Made;
};

class CairoPainter final : public core::Painter {
public:
  CairoPainter(cairo_t* Context, BitmapSurfaces& Surfaces) : Cr(Context), Cache(Surfaces) {}
  void Fill(const TRect& Area, std::uint32_t Rgb) override;
  void Draw(const TBitmap& Bitmap, TPoint At, const TRect& Clip) override;

private:
  cairo_t* Cr;
  BitmapSurfaces& Cache;
};

}  // namespace vcl::gtk
