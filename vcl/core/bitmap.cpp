#include "bitmap.h"

#include <vcl/sysutils.h>

#include <string>

namespace vcl::core {

namespace {

constexpr std::size_t FileHeaderSize = 14;
constexpr std::size_t InfoHeaderSize = 40;  // BITMAPINFOHEADER; later headers extend it
constexpr std::uint32_t BI_RGB = 0;

[[noreturn]] void Fail(const std::string& What) { throw Exception(AnsiString(What.c_str())); }

std::uint32_t U32(std::span<const std::uint8_t> Bytes, std::size_t At) {
  return std::uint32_t{Bytes[At]} | std::uint32_t{Bytes[At + 1]} << 8 |
         std::uint32_t{Bytes[At + 2]} << 16 | std::uint32_t{Bytes[At + 3]} << 24;
}
std::uint16_t U16(std::span<const std::uint8_t> Bytes, std::size_t At) {
  return static_cast<std::uint16_t>(Bytes[At] | Bytes[At + 1] << 8);
}
std::int32_t S32(std::span<const std::uint8_t> Bytes, std::size_t At) {
  return static_cast<std::int32_t>(U32(Bytes, At));
}

}  // namespace

TBitmap DecodeBitmap(std::span<const std::uint8_t> File) {
  if (File.size() < FileHeaderSize + InfoHeaderSize) Fail("the bitmap is shorter than its headers");
  if (File[0] != 'B' || File[1] != 'M') Fail("the picture is not a BMP file");
  if (U32(File, 2) != File.size())
    Fail("the bitmap's file size " + std::to_string(U32(File, 2)) + " is not its length " +
         std::to_string(File.size()));
  const std::uint32_t PixelOffset = U32(File, 10);
  const std::uint32_t HeaderSize = U32(File, 14);
  if (HeaderSize < InfoHeaderSize || HeaderSize > File.size() - FileHeaderSize)
    Fail("the bitmap's header size " + std::to_string(HeaderSize) + " is not valid");
  const std::int32_t Width = S32(File, 18);
  const std::int32_t Height = S32(File, 22);
  if (U16(File, 26) != 1) Fail("the bitmap does not have one plane");
  if (U16(File, 28) != 24)
    Fail("the bitmap has " + std::to_string(U16(File, 28)) + " bits per pixel, not 24");
  if (U32(File, 30) != BI_RGB) Fail("the bitmap is compressed");
  if (Height < 0) Fail("the bitmap is stored top-down");
  if (Width <= 0 || Height == 0 || Width > MaxPictureSide || Height > MaxPictureSide)
    Fail("the bitmap's size " + std::to_string(Width) + " x " + std::to_string(Height) +
         " is not valid");

  const std::size_t Stride = (static_cast<std::size_t>(Width) * 3 + 3) & ~std::size_t{3};
  const std::size_t PixelBytes = Stride * static_cast<std::size_t>(Height);
  if (PixelOffset < FileHeaderSize + HeaderSize || PixelOffset > File.size() ||
      File.size() - PixelOffset < PixelBytes)
    Fail("the bitmap's pixels do not fit in the file");

  TBitmap Bitmap;
  Bitmap.Width = Width;
  Bitmap.Height = Height;
  Bitmap.Stride = static_cast<int>(Stride);
  Bitmap.Pixels = File.data() + PixelOffset;
  return Bitmap;
}

TBitmap DecodePictureData(std::span<const std::uint8_t> Data) {
  if (Data.empty()) Fail("the picture data is empty");
  const std::size_t NameLength = Data[0];
  if (Data.size() < 1 + NameLength + 4) Fail("the picture data is truncated");
  const std::string ClassName(Data.begin() + 1, Data.begin() + 1 + static_cast<std::ptrdiff_t>(NameLength));
  if (ClassName != "TBitmap") Fail("the picture is a " + ClassName + ", not a TBitmap");
  const std::size_t Size = U32(Data, 1 + NameLength);
  const auto File = Data.subspan(1 + NameLength + 4);
  if (Size != File.size())
    Fail("the picture's stated size " + std::to_string(Size) + " is not the " +
         std::to_string(File.size()) + " bytes that follow");
  return DecodeBitmap(File);
}

}  // namespace vcl::core
