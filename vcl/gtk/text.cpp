// Text conversion at the GTK backend's boundary: code page 936 bytes (held
// by AnsiString) to and from UTF-8 (GTK's texts and Linux file names):
//   TextFromUtf8  FromUtf8 below
// GB18030 stands in for code page 936 in both directions: it gives every
// GBK character the same bytes and encodes the rest of Unicode too, so a
// file name outside GBK survives the trip in and out.
//
// A Linux file name is bytes, and not always UTF-8: a disc written on a
// Chinese Windows may carry its names in GBK. Each byte of a file name that
// is not part of valid UTF-8 is carried as the private character
// U+10FF00 + byte (GB18030 encodes it like any other) and turned back into
// that byte on the way out, so the name's bytes reach the file system
// calls unchanged; shown to the user, such a byte is U+FFFD.

#include <glib.h>

#include <cerrno>

#include "backend.h"
#include "gtk_backend.h"

namespace vcl::gtk {

namespace {

// Converts Text from one charset to another with iconv. A sequence the
// source charset does not allow is replaced by U+FFFD (written in the target
// charset) and conversion goes on after its first byte.
std::string Convert(std::string_view Text, const char* To, const char* From,
                    std::string_view Replacement) {
  GIConv Converter = g_iconv_open(To, From);
  std::string Result;
  Result.reserve(Text.size() * 3 / 2 + 4);
  char* In = const_cast<char*>(Text.data());
  gsize InLeft = Text.size();
  char Buffer[256];
  while (InLeft > 0) {
    char* Out = Buffer;
    gsize OutLeft = sizeof Buffer;
    const gsize Done = g_iconv(Converter, &In, &InLeft, &Out, &OutLeft);
    Result.append(Buffer, static_cast<std::size_t>(Out - Buffer));
    if (Done != static_cast<gsize>(-1)) break;
    if (errno == E2BIG) continue;
    // EILSEQ or EINVAL (a sequence cut off at the end): skip one byte.
    Result += Replacement;
    ++In;
    --InLeft;
  }
  g_iconv_close(Converter);
  return Result;
}

// A carried byte in UTF-8: F4 8F BE 80 (U+10FF80) to F4 8F BF BF (U+10FFFF).
constexpr gunichar CarriedBytes = 0x10FF00;

// Replaces each carried byte of Utf8 by what Restore makes of it.
template <class Restorer>
std::string RestoreCarriedBytes(std::string Utf8, Restorer&& Restore) {
  std::string Out;
  for (std::size_t I = 0; I < Utf8.size();) {
    const std::size_t At = Utf8.find("\xF4\x8F", I);
    if (At == std::string::npos || At + 4 > Utf8.size()) {
      Out.append(Utf8, I, std::string::npos);
      break;
    }
    Out.append(Utf8, I, At - I);
    const auto Third = static_cast<unsigned char>(Utf8[At + 2]);
    if (Third == 0xBE || Third == 0xBF) {
      const auto Fourth = static_cast<unsigned char>(Utf8[At + 3]);
      Restore(Out, static_cast<unsigned char>(0x80 | (Third & 1) << 6 | (Fourth & 0x3F)));
    } else {
      Out.append(Utf8, At, 4);
    }
    I = At + 4;
  }
  return Out;
}

}  // namespace

std::string ToUtf8(std::string_view Ansi) {
  return RestoreCarriedBytes(Convert(Ansi, "UTF-8", "GB18030", "\xEF\xBF\xBD"),
                             [](std::string& Out, unsigned char) { Out += "\xEF\xBF\xBD"; });
}

AnsiString FromUtf8(std::string_view Utf8) {
  return AnsiString(Convert(Utf8, "GB18030", "UTF-8", "\x84\x31\xA4\x37"));
}

std::string ToFileName(std::string_view Ansi) {
  return RestoreCarriedBytes(Convert(Ansi, "UTF-8", "GB18030", "\xEF\xBF\xBD"),
                             [](std::string& Out, unsigned char Byte) { Out += static_cast<char>(Byte); });
}

AnsiString FromFileName(std::string_view Name) {
  std::string Carried;
  const char* P = Name.data();
  const char* const End = P + Name.size();
  while (P < End) {
    const gchar* ValidEnd = nullptr;
    g_utf8_validate_len(P, static_cast<gsize>(End - P), &ValidEnd);
    Carried.append(P, ValidEnd);
    if (ValidEnd == End) break;
    char Buffer[6];
    const gunichar Byte = CarriedBytes + static_cast<unsigned char>(*ValidEnd);
    Carried.append(Buffer, static_cast<std::size_t>(g_unichar_to_utf8(Byte, Buffer)));
    P = ValidEnd + 1;
  }
  return FromUtf8(Carried);
}

}  // namespace vcl::gtk

namespace vcl::backend {

AnsiString TextFromUtf8(std::string_view Utf8) { return gtk::FromUtf8(Utf8); }

}  // namespace vcl::backend
