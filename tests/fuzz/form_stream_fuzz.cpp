// Fuzz target: any bytes given to the form-stream reader (with the picture
// data of every object it reads passed on to the bitmap decoder) and to the
// icon decoder end in a result or an Exception; nothing else.

#include <cstddef>
#include <cstdint>
#include <span>

#include "bitmap.h"
#include "form_stream.h"
#include "icon.h"
#include <vcl/sysutils.h>

namespace {

void DecodePictures(const vcl::core::StreamObject& Object) {
  for (const auto& Property : Object.Properties) {
    const auto* Data = std::get_if<vcl::core::Binary>(&Property.Value);
    if (!Data) continue;
    try {
      const vcl::TBitmap Bitmap = vcl::core::DecodePictureData(*Data);
      // Touch the last pixel: it must lie inside the data.
      volatile std::uint32_t Last = Bitmap.Pixel(Bitmap.Width - 1, 0);
      (void)Last;
    } catch (const vcl::Exception&) {
    }
  }
  for (const auto& Child : Object.Children) DecodePictures(Child);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  try {
    DecodePictures(vcl::core::ParseFormStream({Data, Size}));
  } catch (const vcl::Exception&) {
  }
  try {
    for (const auto& Image : vcl::core::DecodeIcon({Data, Size})) {
      volatile std::uint32_t Last = Image.Argb(Image.Colour.Width - 1, 0);
      (void)Last;
    }
  } catch (const vcl::Exception&) {
  }
  return 0;
}
