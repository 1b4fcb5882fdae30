// Painting a form with cairo: solid fills and unscaled bitmaps, pixel for
// pixel (whole-pixel offsets, nearest-pixel sampling, no blending).

#include "cairo_painter.h"

namespace vcl::gtk {

BitmapSurfaces::~BitmapSurfaces() {
  for (auto& [Pixels, Surface] : Made) cairo_surface_destroy(Surface);
}

cairo_surface_t* BitmapSurfaces::For(const TBitmap& Bitmap) {
  auto [At, Inserted] = Made.try_emplace(Bitmap.Pixels, nullptr);
  if (!Inserted) return At->second;
  cairo_surface_t* Surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, Bitmap.Width, Bitmap.Height);
  cairo_surface_flush(Surface);
  unsigned char* Data = cairo_image_surface_get_data(Surface);
  const int Stride = cairo_image_surface_get_stride(Surface);
  for (int Y = 0; Y < Bitmap.Height; ++Y) {
    auto* Row = reinterpret_cast<std::uint32_t*>(Data + static_cast<std::ptrdiff_t>(Y) * Stride);
    for (int X = 0; X < Bitmap.Width; ++X) Row[X] = Bitmap.Pixel(X, Y);
  }
  cairo_surface_mark_dirty(Surface);
  At->second = Surface;
  return Surface;
}

void CairoPainter::Fill(const TRect& Area, std::uint32_t Rgb) {
  cairo_set_source_rgb(Cr, (Rgb >> 16 & 0xFF) / 255.0, (Rgb >> 8 & 0xFF) / 255.0, (Rgb & 0xFF) / 255.0);
  cairo_rectangle(Cr, Area.Left, Area.Top, Area.Width(), Area.Height());
  cairo_fill(Cr);
}

void CairoPainter::Draw(const TBitmap& Bitmap, TPoint At, const TRect& Clip) {
  cairo_set_source_surface(Cr, Cache.For(Bitmap), At.x, At.y);
  cairo_pattern_set_filter(cairo_get_source(Cr), CAIRO_FILTER_NEAREST);
  cairo_rectangle(Cr, Clip.Left, Clip.Top, Clip.Width(), Clip.Height());
  cairo_fill(Cr);
}

}  // namespace vcl::gtk
