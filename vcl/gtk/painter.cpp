// Painting a form's window with cairo: the core's Painter as solid fills and
// unscaled bitmaps, pixel for pixel (whole-pixel offsets, nearest-pixel
// sampling, no blending), and PaintForm, which paints the border band and
// runs the core's paint of the client for one draw.

#include "painter.h"

#include <sys/mman.h>
#include <unistd.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <cairo-xlib.h>

#include <algorithm>
#include <cmath>
#include <bit>
#include <cstdint>
#include <span>
#include <vector>

#include "backend.h"
#include "events.h"

namespace vcl::gtk {

namespace {

// Once the window system holds a picture's rows, the program gives back its
// own pages of them: they lie in the executable's read-only data (the form
// resource), from where the system reads them again should they ever be
// needed, so the picture is held once. Bytes that are not the program's
// own resource are left alone.
void GiveBack(const std::uint8_t* Begin, std::size_t Size) {
  const std::span<const std::uint8_t> Form = backend::ProgramResource("TAUTOFORM");
  const auto From = reinterpret_cast<std::uintptr_t>(Begin), To = From + Size;
  const auto Resource = reinterpret_cast<std::uintptr_t>(Form.data());
  if (From < Resource || To > Resource + Form.size()) return;
  const auto Page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
  const std::uintptr_t First = (From + Page - 1) & ~(Page - 1), Last = To & ~(Page - 1);
  if (First < Last) madvise(reinterpret_cast<void*>(First), Last - First, MADV_DONTNEED);
}

// Sends a picture to its pixmap a few rows at a time, from one small buffer
// of 0x00RRGGBB pixels. Where the pixmap's visual holds pixels in that form
// (the 24-bit TrueColor of every X server in use), the rows go straight to
// the X server with XPutImage; cairo would first copy the whole picture
// into a shared memory segment. Any other visual goes through cairo.
class RowUploader {
public:
  static constexpr int Rows = 8;

  RowUploader(cairo_surface_t* Target, int Width)
      : Target(Target), Width(Width), Buffer(static_cast<std::size_t>(Width) * Rows) {
    if (cairo_surface_get_type(Target) != CAIRO_SURFACE_TYPE_XLIB) return;
    Visual* Kind = cairo_xlib_surface_get_visual(Target);
    if (!Kind || Kind->red_mask != 0xFF0000 || Kind->green_mask != 0xFF00 || Kind->blue_mask != 0xFF ||
        cairo_xlib_surface_get_depth(Target) < 24)
      return;
    XDisplay = cairo_xlib_surface_get_display(Target);
    Drawable = cairo_xlib_surface_get_drawable(Target);
    Image = XCreateImage(XDisplay, Kind, static_cast<unsigned>(cairo_xlib_surface_get_depth(Target)), ZPixmap, 0,
                         reinterpret_cast<char*>(Buffer.data()), static_cast<unsigned>(Width), Rows, 32,
                         Width * 4);
    if (!Image) return;
    // The buffer's pixels are this machine's 32-bit numbers; Xlib turns
    // them into the server's byte order.
    Image->byte_order = std::endian::native == std::endian::little ? LSBFirst : MSBFirst;
    Context = XCreateGC(XDisplay, Drawable, 0, nullptr);
    cairo_surface_flush(Target);
  }
  ~RowUploader() {
    if (!Image) return;
    Image->data = nullptr;  // the buffer is ours
    XDestroyImage(Image);
    XFreeGC(XDisplay, Context);
    cairo_surface_mark_dirty(Target);
  }
  RowUploader(const RowUploader&) = delete;
  RowUploader& operator=(const RowUploader&) = delete;

  std::uint32_t* Row(int Y) { return Buffer.data() + static_cast<std::ptrdiff_t>(Y) * Width; }

  // Sends the buffer's first Count rows as the rows from Top on.
  void Send(int Top, int Count) {
    if (Image) {
      XPutImage(XDisplay, Drawable, Context, Image, 0, 0, 0, Top, static_cast<unsigned>(Width),
                static_cast<unsigned>(Count));
      return;
    }
    cairo_surface_t* Strip = cairo_image_surface_create_for_data(
        reinterpret_cast<unsigned char*>(Buffer.data()), CAIRO_FORMAT_RGB24, Width, Count, Width * 4);
    cairo_t* Cr = cairo_create(Target);
    cairo_set_source_surface(Cr, Strip, 0, Top);
    cairo_rectangle(Cr, 0, Top, Width, Count);
    cairo_fill(Cr);
    cairo_destroy(Cr);
    cairo_surface_destroy(Strip);
  }

private:
  cairo_surface_t* Target;
  int Width;
  std::vector<std::uint32_t> Buffer;
  Display* XDisplay = nullptr;
  ::Drawable Drawable = 0;
  XImage* Image = nullptr;
  GC Context = nullptr;
};

}  // namespace

BitmapSurfaces::~BitmapSurfaces() {
  for (auto& [Pixels, Surface] : Made) cairo_surface_destroy(Surface);
}

cairo_surface_t* BitmapSurfaces::For(const TBitmap& Bitmap, GdkWindow* Window) {
  auto [At, Inserted] = Made.try_emplace(Bitmap.Pixels, nullptr);
  if (!Inserted) return At->second;
  // A plain X pixmap of the window's screen.
  cairo_surface_t* Surface =
      gdk_window_create_similar_surface(Window, CAIRO_CONTENT_COLOR, Bitmap.Width, Bitmap.Height);
  RowUploader Upload(Surface, Bitmap.Width);
  const std::size_t Size = static_cast<std::size_t>(Bitmap.Height) * static_cast<std::size_t>(Bitmap.Stride);
  for (int Top = 0; Top < Bitmap.Height; Top += RowUploader::Rows) {
    const int Rows = std::min(RowUploader::Rows, Bitmap.Height - Top);
    for (int Y = 0; Y < Rows; ++Y) {
      std::uint32_t* Row = Upload.Row(Y);
      for (int X = 0; X < Bitmap.Width; ++X) Row[X] = Bitmap.Pixel(X, Top + Y);
    }
    Upload.Send(Top, Rows);
    // The rows sent so far: the last ones in memory (the rows are bottom-up).
    const auto Sent = static_cast<std::size_t>(Top + Rows) * static_cast<std::size_t>(Bitmap.Stride);
    GiveBack(Bitmap.Pixels + (Size - Sent), Sent);
  }
  At->second = Surface;
  return Surface;
}

void CairoPainter::Fill(const TRect& Area, std::uint32_t Rgb) {
  cairo_set_source_rgb(Cr, (Rgb >> 16 & 0xFF) / 255.0, (Rgb >> 8 & 0xFF) / 255.0, (Rgb & 0xFF) / 255.0);
  cairo_rectangle(Cr, Area.Left, Area.Top, Area.Width(), Area.Height());
  cairo_fill(Cr);
}

void CairoPainter::Draw(const TBitmap& Bitmap, TPoint At, const TRect& Clip) {
  cairo_set_source_surface(Cr, Cache.For(Bitmap, Window), At.x, At.y);
  cairo_pattern_set_filter(cairo_get_source(Cr), CAIRO_FILTER_NEAREST);
  cairo_rectangle(Cr, Clip.Left, Clip.Top, Clip.Width(), Clip.Height());
  cairo_fill(Cr);
}

void PaintForm(cairo_t* Cr, GdkWindow* Window, BitmapSurfaces& Surfaces, TForm& Form, int Band) {
  const std::uint32_t Color = core::ColorToRGB(Form.Color);
  CairoPainter Painter(Cr, Window, Surfaces);
  const int Outer = Band * 2;
  Painter.Fill({0, 0, Band, Form.ClientHeight + Outer}, Color);
  Painter.Fill({Form.ClientWidth + Band, 0, Form.ClientWidth + Outer, Form.ClientHeight + Outer}, Color);
  Painter.Fill({Band, 0, Form.ClientWidth + Band, Band}, Color);
  Painter.Fill({Band, Form.ClientHeight + Band, Form.ClientWidth + Band, Form.ClientHeight + Outer}, Color);

  double X1, Y1, X2, Y2;
  cairo_clip_extents(Cr, &X1, &Y1, &X2, &Y2);
  TRect Area{static_cast<std::int32_t>(std::floor(X1)) - Band, static_cast<std::int32_t>(std::floor(Y1)) - Band,
             static_cast<std::int32_t>(std::ceil(X2)) - Band, static_cast<std::int32_t>(std::ceil(Y2)) - Band};
  Area = Intersection(Area, {0, 0, Form.ClientWidth, Form.ClientHeight});
  if (Area.IsEmpty()) return;
  cairo_save(Cr);
  cairo_translate(Cr, Band, Band);
  cairo_rectangle(Cr, Area.Left, Area.Top, Area.Width(), Area.Height());
  cairo_clip(Cr);
  core::Paint(Form, Painter, Area);
  cairo_restore(Cr);
}

}  // namespace vcl::gtk
