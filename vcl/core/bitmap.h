#pragma once
// Reading pictures where they lie: a Windows bitmap file, and the picture
// data of a picture control in a form stream.

#include <vcl/controls.h>

#include <cstdint>
#include <span>

namespace vcl::core {

// The largest width or height a picture may have.
inline constexpr int MaxPictureSide = 16384;

// A BMP file that is uncompressed, bottom-up, 24 bits per pixel and whose
// header sizes agree with the bytes there are. Anything else raises an
// Exception saying what is wrong. The pixels are not copied.
TBitmap DecodeBitmap(std::span<const std::uint8_t> File);

// A picture control's data: the graphic class (only TBitmap is taken), the
// size of the file that follows, and the BMP file filling the rest exactly.
TBitmap DecodePictureData(std::span<const std::uint8_t> Data);

}  // namespace vcl::core
