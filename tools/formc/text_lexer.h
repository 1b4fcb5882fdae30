#pragma once
// Splits a text form into tokens: names, integers, strings and symbols.

#include <string>
#include <string_view>

namespace formc {

enum class TokenKind {
  Name,     // letters, digits and '_', not starting with a digit
  Integer,  // an optional '-' and decimal digits; Text holds them
  String,   // quoted parts and #nnn character codes; Text holds the UTF-8
  Other,    // a run that is none of the above, such as 1.5 or 12px
  Symbol,   // one character: = : [ ] , . and anything unexpected
  End,
};

struct Token {
  TokenKind Kind;
  std::string Text;
  int Line;
};

// How a token reads in an error message.
std::string Describe(const Token& T);

class TextLexer {
public:
  explicit TextLexer(std::string_view Source) : Source(Source) {}
  // The next token; throws FormError for a malformed string.
  Token Next();

private:
  Token Read();
  std::string ReadString();
  bool AtEnd() const noexcept { return Pos == Source.size(); }
  char Peek() const noexcept { return AtEnd() ? '\0' : Source[Pos]; }

  std::string_view Source;
  std::size_t Pos = 0;
  int Line = 1;
  int LastTokenLine = 1;  // where the end of the file is reported
};

}  // namespace formc
