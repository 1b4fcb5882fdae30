#pragma once
// AnsiString: 8-bit text in the ANSI code page (936 for this menu), with value
// semantics. Indexing is 1-based, as in the VCL.

#include <cstddef>
#include <string>
#include <string_view>

namespace vcl {

class AnsiString {
public:
  AnsiString() = default;
  AnsiString(const char* Text) : Data(Text ? Text : "") {}
  explicit AnsiString(std::string_view Text) : Data(Text) {}

  const char* c_str() const noexcept { return Data.c_str(); }
  int Length() const noexcept { return static_cast<int>(Data.size()); }
  bool IsEmpty() const noexcept { return Data.empty(); }
  std::string_view View() const noexcept { return Data; }

  // The byte at 1-based Index; Index must lie in 1..Length().
  char operator[](int Index) const { return Data.at(static_cast<std::size_t>(Index - 1)); }

  AnsiString& operator+=(const AnsiString& Tail) { Data += Tail.Data; return *this; }
  AnsiString& operator+=(const char* Tail) { Data += Tail; return *this; }
  AnsiString& operator+=(char Tail) { Data += Tail; return *this; }

  friend AnsiString operator+(AnsiString Head, const AnsiString& Tail) { return Head += Tail; }
  friend AnsiString operator+(AnsiString Head, const char* Tail) { return Head += Tail; }
  friend AnsiString operator+(const char* Head, const AnsiString& Tail) { return AnsiString(Head) += Tail; }

  friend bool operator==(const AnsiString&, const AnsiString&) = default;
  friend auto operator<=>(const AnsiString&, const AnsiString&) = default;

private:
  std::string Data;
};

}  // namespace vcl
