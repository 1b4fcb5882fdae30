// The fake's text conversion: UTF-8 to the GB18030 bytes the tests' own
// literals are compiled to, with the conversion the test build's platform
// has (iconv, or the Windows code page calls), so that texts read from the
// form resource compare equal to the tests' literals as they would on a
// real backend.

#include <string>
#include <string_view>

#if defined(_WIN32)
#include <windows.h>
#else
#include <iconv.h>
#endif

namespace fake {

std::string Gb18030FromUtf8(std::string_view Utf8) {
  if (Utf8.empty()) return {};
#if defined(_WIN32)
  const int Units = MultiByteToWideChar(CP_UTF8, 0, Utf8.data(), static_cast<int>(Utf8.size()), nullptr, 0);
  std::wstring Wide(static_cast<std::size_t>(Units), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, Utf8.data(), static_cast<int>(Utf8.size()), Wide.data(), Units);
  // 54936 is GB18030 where the system has it; 936 covers every GBK character.
  const UINT CodePage = IsValidCodePage(54936) ? 54936 : 936;
  const int Length = WideCharToMultiByte(CodePage, 0, Wide.data(), Units, nullptr, 0, nullptr, nullptr);
  std::string Result(static_cast<std::size_t>(Length), '\0');
  WideCharToMultiByte(CodePage, 0, Wide.data(), Units, Result.data(), Length, nullptr, nullptr);
  return Result;
#else
  iconv_t Converter = iconv_open("GB18030", "UTF-8");
  std::string Result(Utf8.size() * 4, '\0');
  char* In = const_cast<char*>(Utf8.data());
  std::size_t InLeft = Utf8.size();
  char* Out = Result.data();
  std::size_t OutLeft = Result.size();
  iconv(Converter, &In, &InLeft, &Out, &OutLeft);
  iconv_close(Converter);
  Result.resize(Result.size() - OutLeft);
  return Result;
#endif
}

}  // namespace fake
