#include "icon.h"

#include <vcl/sysutils.h>

#include <string>

#include "bitmap.h"

namespace vcl::core {

namespace {

constexpr std::size_t DirectorySize = 6, EntrySize = 16, InfoHeaderSize = 40;

[[noreturn]] void Fail(const std::string& What) { throw Exception(AnsiString(("Icon: " + What).c_str())); }

std::uint32_t U32(std::span<const std::uint8_t> B, std::size_t At) {
  return std::uint32_t{B[At]} | std::uint32_t{B[At + 1]} << 8 | std::uint32_t{B[At + 2]} << 16 |
         std::uint32_t{B[At + 3]} << 24;
}
std::uint16_t U16(std::span<const std::uint8_t> B, std::size_t At) {
  return static_cast<std::uint16_t>(B[At] | B[At + 1] << 8);
}

TIconImage Image(std::span<const std::uint8_t> Dib, int Side) {
  if (Dib.size() < InfoHeaderSize || U32(Dib, 0) != InfoHeaderSize) Fail("an image has no bitmap header");
  if (static_cast<std::int32_t>(U32(Dib, 4)) != Side || static_cast<std::int32_t>(U32(Dib, 8)) != 2 * Side)
    Fail("an image's size disagrees with its directory entry");
  if (U16(Dib, 12) != 1 || U16(Dib, 14) != 24) Fail("an image is not of 24 bits per pixel");
  if (U32(Dib, 16) != 0) Fail("an image is compressed");

  const std::size_t Stride = (static_cast<std::size_t>(Side) * 3 + 3) & ~std::size_t{3};
  const std::size_t MaskStride = static_cast<std::size_t>((Side + 31) / 32 * 4);
  const std::size_t Rows = static_cast<std::size_t>(Side);
  if (Dib.size() - InfoHeaderSize < (Stride + MaskStride) * Rows) Fail("an image's pixels do not fit");

  TIconImage Result;
  Result.Colour.Width = Side;
  Result.Colour.Height = Side;
  Result.Colour.Stride = static_cast<int>(Stride);
  Result.Colour.Pixels = Dib.data() + InfoHeaderSize;
  Result.Mask = Result.Colour.Pixels + Stride * Rows;
  Result.MaskStride = static_cast<int>(MaskStride);
  return Result;
}

}  // namespace

std::vector<TIconImage> DecodeIcon(std::span<const std::uint8_t> File) {
  if (File.size() < DirectorySize || U16(File, 0) != 0 || U16(File, 2) != 1) Fail("not an icon file");
  const std::size_t Count = U16(File, 4);
  if (Count == 0) Fail("the icon holds no image");
  if (File.size() < DirectorySize + Count * EntrySize) Fail("the icon's directory is truncated");
  std::vector<TIconImage> Images;
  for (std::size_t I = 0; I < Count; ++I) {
    const std::size_t Entry = DirectorySize + I * EntrySize;
    const int Side = File[Entry] ? File[Entry] : 256;
    if (File[Entry + 1] != File[Entry]) Fail("an image is not square");
    const std::size_t Size = U32(File, Entry + 8), Offset = U32(File, Entry + 12);
    if (Offset > File.size() || File.size() - Offset < Size) Fail("an image lies outside the file");
    Images.push_back(Image(File.subspan(Offset, Size), Side));
  }
  return Images;
}

}  // namespace vcl::core
