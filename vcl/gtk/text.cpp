// Text conversion at the GTK backend's boundary: code page 936 bytes (held
// by AnsiString) to and from UTF-8 (GTK's texts and Linux file names).
// GB18030 stands in for code page 936 in both directions: it gives every
// GBK character the same bytes and encodes the rest of Unicode too, so a
// file name outside GBK survives the trip in and out.

#include <glib.h>

#include <cerrno>

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

}  // namespace

std::string ToUtf8(std::string_view Ansi) { return Convert(Ansi, "UTF-8", "GB18030", "\xEF\xBF\xBD"); }

AnsiString FromUtf8(std::string_view Utf8) {
  return AnsiString(Convert(Utf8, "GB18030", "UTF-8", "\x84\x31\xA4\x37"));
}

}  // namespace vcl::gtk
