#include "text_lexer.h"

#include "form_error.h"

#include <charconv>
#include <cstdint>

namespace formc {

namespace {

bool IsDigit(char C) { return C >= '0' && C <= '9'; }
bool IsNameStart(char C) { return (C >= 'A' && C <= 'Z') || (C >= 'a' && C <= 'z') || C == '_'; }
bool IsNamePart(char C) { return IsNameStart(C) || IsDigit(C); }

void AppendUtf8(std::string& Out, std::uint32_t Code) {
  if (Code < 0x80) {
    Out += static_cast<char>(Code);
  } else if (Code < 0x800) {
    Out += static_cast<char>(0xC0 | Code >> 6);
    Out += static_cast<char>(0x80 | (Code & 0x3F));
  } else if (Code < 0x10000) {
    Out += static_cast<char>(0xE0 | Code >> 12);
    Out += static_cast<char>(0x80 | (Code >> 6 & 0x3F));
    Out += static_cast<char>(0x80 | (Code & 0x3F));
  } else {
    Out += static_cast<char>(0xF0 | Code >> 18);
    Out += static_cast<char>(0x80 | (Code >> 12 & 0x3F));
    Out += static_cast<char>(0x80 | (Code >> 6 & 0x3F));
    Out += static_cast<char>(0x80 | (Code & 0x3F));
  }
}

// True if Bytes is well-formed UTF-8: shortest forms only, no surrogates,
// nothing above U+10FFFF.
bool IsUtf8(std::string_view Bytes) {
  std::size_t I = 0;
  while (I < Bytes.size()) {
    const auto Lead = static_cast<unsigned char>(Bytes[I]);
    std::size_t Extra;
    std::uint32_t Code;
    if (Lead < 0x80) { ++I; continue; }
    if (Lead >= 0xC2 && Lead <= 0xDF) { Extra = 1; Code = Lead & 0x1Fu; }
    else if (Lead >= 0xE0 && Lead <= 0xEF) { Extra = 2; Code = Lead & 0x0Fu; }
    else if (Lead >= 0xF0 && Lead <= 0xF4) { Extra = 3; Code = Lead & 0x07u; }
    else return false;
    if (Bytes.size() - I <= Extra) return false;
    for (std::size_t K = 1; K <= Extra; ++K) {
      const auto Next = static_cast<unsigned char>(Bytes[I + K]);
      if ((Next & 0xC0) != 0x80) return false;
      Code = Code << 6 | (Next & 0x3Fu);
    }
    const std::uint32_t Shortest[] = {0, 0x80, 0x800, 0x10000};
    if (Code < Shortest[Extra] || (Code >= 0xD800 && Code <= 0xDFFF) || Code > 0x10FFFF) return false;
    I += Extra + 1;
  }
  return true;
}

}  // namespace

std::string Describe(const Token& T) {
  switch (T.Kind) {
    case TokenKind::End: return "the end of the file";
    case TokenKind::String: return "a string";
    default: return "'" + T.Text + "'";
  }
}

Token TextLexer::Next() {
  Token T = Read();
  LastTokenLine = T.Line;
  return T;
}

Token TextLexer::Read() {
  while (!AtEnd() && (Peek() == ' ' || Peek() == '\t' || Peek() == '\r' || Peek() == '\n')) {
    if (Peek() == '\n') ++Line;
    ++Pos;
  }
  if (AtEnd()) return {TokenKind::End, "", LastTokenLine};

  const std::size_t Start = Pos;
  const char C = Peek();
  if (C == '\'' || C == '#') return {TokenKind::String, ReadString(), Line};
  if (IsNameStart(C)) {
    while (IsNamePart(Peek())) ++Pos;
    return {TokenKind::Name, std::string(Source.substr(Start, Pos - Start)), Line};
  }
  if (IsDigit(C) || (C == '-' && Pos + 1 < Source.size() && IsDigit(Source[Pos + 1]))) {
    ++Pos;
    bool AllDigits = true;
    while (IsNamePart(Peek()) || Peek() == '.') {
      AllDigits = AllDigits && IsDigit(Peek());
      ++Pos;
    }
    return {AllDigits ? TokenKind::Integer : TokenKind::Other,
            std::string(Source.substr(Start, Pos - Start)), Line};
  }
  ++Pos;
  return {TokenKind::Symbol, std::string(1, C), Line};
}

// A string is a run of 'quoted' parts (with '' for a quote) and #nnn codes
// of Unicode characters, with nothing between them.
std::string TextLexer::ReadString() {
  std::string Out;
  while (Peek() == '\'' || Peek() == '#') {
    if (Peek() == '\'') {
      ++Pos;
      std::string Part;
      for (;;) {
        if (AtEnd() || Peek() == '\n' || Peek() == '\r') throw FormError(Line, "unterminated string");
        if (Peek() == '\'') {
          if (Pos + 1 < Source.size() && Source[Pos + 1] == '\'') {
            Part += '\'';
            Pos += 2;
            continue;
          }
          ++Pos;
          break;
        }
        Part += Source[Pos++];
      }
      if (!IsUtf8(Part)) throw FormError(Line, "string is not valid UTF-8");
      Out += Part;
    } else {
      ++Pos;
      const std::size_t Start = Pos;
      while (IsDigit(Peek())) ++Pos;
      if (Pos == Start) throw FormError(Line, "expected a decimal character code after '#'");
      std::uint32_t Code = 0;
      const auto Parsed = std::from_chars(Source.data() + Start, Source.data() + Pos, Code);
      if (Parsed.ec != std::errc() || Code > 0x10FFFF || (Code >= 0xD800 && Code <= 0xDFFF))
        throw FormError(Line, "#" + std::string(Source.substr(Start, Pos - Start)) + " is not a Unicode character");
      AppendUtf8(Out, Code);
    }
  }
  return Out;
}

}  // namespace formc
