#pragma once
// Painting a form's client area with GDI.

#include "native.h"

namespace vcl::win32 {

// Paints the part of Window's client that WM_PAINT asks for, through the
// core's painting order, into an off-screen bitmap first so that the
// screen gets every pixel once: no flicker when a picture is hidden over
// the background it uncovers.
void PaintForm(::HWND Window, TForm& Form);

}  // namespace vcl::win32
