#pragma once
// What the core offers a backend: native mouse events in, paints out. A
// backend turns each native event into one of these calls and nothing more;
// hit testing, capture, clicks, z-order and painting order live behind them.
// Exceptions raised by the form's event handlers are reported here, so a
// backend's message loop never sees one.

#include <vcl/controls.h>
#include <vcl/forms.h>

#include <cstdint>

namespace vcl::core {

// Where a backend draws a form: its window's client area, in client
// coordinates, with colours as 0x00RRGGBB.
class Painter {
public:
  // Fills Area with one colour.
  virtual void Fill(const TRect& Area, std::uint32_t Rgb) = 0;
  // Draws the part of Bitmap that falls inside Clip, with the bitmap's
  // top-left pixel at At. Clip lies inside both the bitmap and the client.
  virtual void Draw(const TBitmap& Bitmap, TPoint At, const TRect& Clip) = 0;

protected:
  ~Painter() = default;
};

// Mouse events at a point in the form's client coordinates (outside the
// client area while the capture is held).
void MouseDown(TForm& Form, TMouseButton Button, TShiftState Shift, TPoint At);
void MouseMove(TForm& Form, TShiftState Shift, TPoint At);
void MouseUp(TForm& Form, TMouseButton Button, TShiftState Shift, TPoint At);
// The capture was taken away (another window took it, a dialog opened): the
// pressed control gets no click.
void CancelMode(TForm& Form);

// Paints Area of the form's client: its colour, then every visible picture
// in z-order, each unscaled from its control's top-left corner and clipped
// to its control and to the client area.
void Paint(TForm& Form, Painter& Target, const TRect& Area);

// The top-left corner on the screen of Form's window, Width x Height with
// its border band, for the form's Position: centred in the primary screen's
// WorkArea for the centred positions, else the form's own Left and Top.
TPoint WindowPlace(const TForm& Form, int Width, int Height, const TRect& WorkArea);

// The colour a TColor stands for, system colours resolved by the backend.
std::uint32_t ColorToRGB(TColor Color);

}  // namespace vcl::core
