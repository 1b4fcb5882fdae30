#pragma once
// Reading an icon file (the program's MAINICON) where it lies: each image
// of 24 bits per pixel with its transparency mask, for a backend that sets
// the window icon from pixels.

#include <vcl/controls.h>

#include <cstdint>
#include <span>
#include <vector>

namespace vcl::core {

struct TIconImage {
  TBitmap Colour;                      // Side x Side, bottom-up
  const std::uint8_t* Mask = nullptr;  // bottom row of the 1-bit mask; a set bit is transparent
  int MaskStride = 0;

  // The pixel at (X, Y), Y from the top, as 0xAARRGGBB.
  std::uint32_t Argb(int X, int Y) const noexcept {
    const std::uint8_t* Row = Mask + static_cast<std::ptrdiff_t>(Colour.Height - 1 - Y) * MaskStride;
    const bool Transparent = Row[X / 8] & (0x80 >> (X % 8));
    return Transparent ? 0u : 0xFF000000u | Colour.Pixel(X, Y);
  }
};

// The images of an icon file, in the file's order. Anything but a well-formed
// icon whose images are square, uncompressed 24-bit DIBs with their masks
// raises an Exception saying what is wrong.
std::vector<TIconImage> DecodeIcon(std::span<const std::uint8_t> File);

}  // namespace vcl::core
