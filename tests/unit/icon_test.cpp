// Decoding an icon file where it lies: its images, their pixels and masks,
// and a clear failure for anything else.

#include <gtest/gtest.h>
#include <vcl.h>

#include <string>

#include "core/icon.h"
#include "stream_builder.h"

namespace {

using namespace testing_streams;

// An icon of one Side x Side image whose pixel (X, Y) is Colour(X, Y) and
// whose mask marks the pixels Transparent(X, Y) holds for.
Bytes Icon(int Side, const std::function<std::uint32_t(int, int)>& Colour,
           const std::function<bool(int, int)>& Transparent) {
  const Bytes Dib = Bitmap(Side, Side, Colour);  // a BMP file: drop its 14-byte file header
  Bytes Image(Dib.begin() + 14, Dib.end());
  SetU32(Image, 8, static_cast<std::uint32_t>(2 * Side));
  const int MaskStride = (Side + 31) / 32 * 4;
  for (int Y = Side - 1; Y >= 0; --Y)
    for (int Byte = 0; Byte < MaskStride; ++Byte) {
      std::uint8_t Bits = 0;
      for (int Bit = 0; Bit < 8; ++Bit) {
        const int X = Byte * 8 + Bit;
        if (X < Side && Transparent(X, Y)) Bits = static_cast<std::uint8_t>(Bits | 0x80 >> Bit);
      }
      Image.push_back(Bits);
    }
  Bytes File{0, 0, 1, 0, 1, 0, static_cast<std::uint8_t>(Side), static_cast<std::uint8_t>(Side), 0, 0, 1, 0, 24, 0};
  PutU32(File, static_cast<std::uint32_t>(Image.size()));
  PutU32(File, 22);
  File.insert(File.end(), Image.begin(), Image.end());
  return File;
}

std::uint32_t Pattern(int X, int Y) { return static_cast<std::uint32_t>(X * 8 << 16 | Y * 8 << 8 | 0x11); }
bool Diagonal(int X, int Y) { return X == Y; }

TEST(IconDecoder, ReadsEachPixelAndItsMask) {
  const Bytes File = Icon(16, Pattern, Diagonal);
  const auto Images = vcl::core::DecodeIcon(File);
  ASSERT_EQ(Images.size(), 1u);
  for (int Y = 0; Y < 16; ++Y)
    for (int X = 0; X < 16; ++X)
      ASSERT_EQ(Images[0].Argb(X, Y), Diagonal(X, Y) ? 0u : 0xFF000000u | Pattern(X, Y)) << X << "," << Y;
  EXPECT_GE(Images[0].Colour.Pixels, File.data());
  EXPECT_LT(Images[0].Colour.Pixels, File.data() + File.size());
}

struct BadIcon {
  const char* Case;
  std::size_t At;  // a byte of a good 16 x 16 icon to change, or the length to cut it to
  int Value;       // the new byte, or -1 to cut
  const char* Message;
};

class IconDecoderRejects : public ::testing::TestWithParam<BadIcon> {};

TEST_P(IconDecoderRejects, WithAClearException) {
  Bytes File = Icon(16, Pattern, Diagonal);
  const BadIcon& Case = GetParam();
  if (Case.Value < 0) File.resize(Case.At);
  else File[Case.At] = static_cast<std::uint8_t>(Case.Value);
  try {
    vcl::core::DecodeIcon(File);
    FAIL() << "decoded";
  } catch (const Exception& E) {
    EXPECT_NE(std::string(E.Message.c_str()).find(Case.Message), std::string::npos) << E.Message.c_str();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IconDecoderRejects,
    ::testing::Values(BadIcon{"ACursor", 2, 2, "not an icon"}, BadIcon{"NoImage", 4, 0, "no image"},
                      BadIcon{"CutDirectory", 12, -1, "directory is truncated"},
                      BadIcon{"NotSquare", 7, 8, "not square"},
                      BadIcon{"ImageBeyondTheEnd", 18, 0xFF, "outside the file"},
                      BadIcon{"EightBits", 22 + 14, 8, "24 bits"},
                      BadIcon{"Compressed", 22 + 16, 1, "compressed"},
                      BadIcon{"WrongHeight", 22 + 8, 16, "disagrees"},
                      BadIcon{"CutPixels", 22 + 40 + 100, -1, "outside the file"}),
    [](const auto& Info) { return std::string(Info.param.Case); });

}  // namespace
