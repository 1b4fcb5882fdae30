// Text conversion at the Win32 boundary: the layer's code page 936 bytes to
// the UTF-16 of the wide calls and back, and the form resource's UTF-8 to
// code page 936:
//   TextFromUtf8  MultiByteToWideChar from UTF-8, then as below
//
// GB18030 (code page 54936) is used rather than 936 itself: it gives every
// GBK character the same bytes and also covers the rest of Unicode, so a
// file name that is not GBK survives the round trip. Code page 936 is the
// fallback for a system that lacks 54936.

#include "win32_backend.h"

namespace vcl::win32 {

namespace {

UINT TextCodePage() {
  static const UINT CodePage = IsValidCodePage(54936) ? 54936 : 936;
  return CodePage;
}

}  // namespace

std::wstring Wide(const char* Text) {
  if (!Text || !*Text) return {};
  // With -1 the length counts the terminating null, which the string keeps
  // in its own buffer; 54936 allows no flags but MB_ERR_INVALID_CHARS.
  const int Length = MultiByteToWideChar(TextCodePage(), 0, Text, -1, nullptr, 0);
  if (Length <= 1) return {};
  std::wstring Result(static_cast<std::size_t>(Length - 1), L'\0');
  MultiByteToWideChar(TextCodePage(), 0, Text, -1, Result.data(), Length);
  return Result;
}

AnsiString Narrow(const wchar_t* Text) {
  if (!Text || !*Text) return {};
  // 54936 demands null for the default character and its flag.
  const int Length = WideCharToMultiByte(TextCodePage(), 0, Text, -1, nullptr, 0, nullptr, nullptr);
  if (Length <= 1) return {};
  std::string Result(static_cast<std::size_t>(Length - 1), '\0');
  WideCharToMultiByte(TextCodePage(), 0, Text, -1, Result.data(), Length, nullptr, nullptr);
  return AnsiString(std::string_view(Result));
}

}  // namespace vcl::win32

namespace vcl::backend {

AnsiString TextFromUtf8(std::string_view Utf8) {
  if (Utf8.empty()) return {};
  const int Length = MultiByteToWideChar(CP_UTF8, 0, Utf8.data(), static_cast<int>(Utf8.size()), nullptr, 0);
  std::wstring Wide(static_cast<std::size_t>(Length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, Utf8.data(), static_cast<int>(Utf8.size()), Wide.data(), Length);
  return win32::Narrow(Wide.c_str());
}

}  // namespace vcl::backend
