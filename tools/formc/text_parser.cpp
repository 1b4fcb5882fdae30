#include "text_parser.h"

#include "form_error.h"
#include "text_lexer.h"

#include <algorithm>
#include <charconv>

namespace formc {

namespace {

bool SameText(std::string_view A, std::string_view B) {
  return std::ranges::equal(A, B, [](char X, char Y) {
    auto Lower = [](char C) { return C >= 'A' && C <= 'Z' ? static_cast<char>(C - 'A' + 'a') : C; };
    return Lower(X) == Lower(Y);
  });
}

class TextParser {
public:
  explicit TextParser(std::string_view Source) : Lexer(Source) { Advance(); }

  FormObject Form() {
    FormObject Root = Object();
    if (Current.Kind != TokenKind::End)
      throw FormError(Current.Line, "expected the end of the file after the form's 'end', found " + Describe(Current));
    return Root;
  }

private:
  void Advance() { Current = Lexer.Next(); }

  bool AtKeyword(std::string_view Keyword) const {
    return Current.Kind == TokenKind::Name && SameText(Current.Text, Keyword);
  }

  void Expect(char Symbol, const std::string& Context) {
    if (Current.Kind != TokenKind::Symbol || Current.Text[0] != Symbol)
      throw FormError(Current.Line, "expected '" + std::string(1, Symbol) + "' " + Context + ", found " +
                                        Describe(Current));
    Advance();
  }

  std::string Name(const std::string& What) {
    if (Current.Kind != TokenKind::Name)
      throw FormError(Current.Line, "expected " + What + ", found " + Describe(Current));
    std::string Text = Current.Text;
    Advance();
    return Text;
  }

  FormObject Object() {
    if (!AtKeyword("object")) throw FormError(Current.Line, "expected 'object', found " + Describe(Current));
    FormObject Result;
    Result.Line = Current.Line;
    Advance();
    Result.Name = Name("an object name");
    Expect(':', "after the object name " + Result.Name);
    Result.ClassName = Name("a class name");
    for (;;) {
      if (AtKeyword("end")) {
        Advance();
        return Result;
      }
      if (AtKeyword("object")) {
        Result.Children.push_back(Object());
      } else if (Current.Kind == TokenKind::Name) {
        if (!Result.Children.empty())
          throw FormError(Current.Line, "property " + Current.Text + " after the child objects of " + Result.Name);
        Result.Properties.push_back(PropertyLine());
      } else {
        throw FormError(Current.Line, "expected a property, 'object' or 'end' in " + Result.Name + ", found " +
                                          Describe(Current));
      }
    }
  }

  Property PropertyLine() {
    Property Result;
    Result.Line = Current.Line;
    Result.Name = Name("a property name");
    while (Current.Kind == TokenKind::Symbol && Current.Text == ".") {
      Advance();
      Result.Name += '.';
      Result.Name += Name("a property name after '.'");
    }
    Expect('=', "after " + Result.Name);
    Result.Value = Value();
    return Result;
  }

  PropertyValue Value() {
    const Token T = Current;
    switch (T.Kind) {
      case TokenKind::Integer: {
        Advance();
        std::int32_t Number = 0;
        const auto Parsed = std::from_chars(T.Text.data(), T.Text.data() + T.Text.size(), Number);
        if (Parsed.ec != std::errc())
          throw FormError(T.Line, "integer " + T.Text + " is outside the 32-bit range");
        return Number;
      }
      case TokenKind::Name:
        Advance();
        if (SameText(T.Text, "False")) return false;
        if (SameText(T.Text, "True")) return true;
        return Identifier{T.Text};
      case TokenKind::String:
        Advance();
        return Text{T.Text};
      case TokenKind::Symbol:
        if (T.Text == "[") return Set();
        break;
      default:
        break;
    }
    throw FormError(T.Line, "unknown value form " + Describe(T));
  }

  NameSet Set() {
    Advance();
    NameSet Result;
    if (Current.Kind == TokenKind::Symbol && Current.Text == "]") {
      Advance();
      return Result;
    }
    for (;;) {
      Result.Names.push_back(Name("a name in the set"));
      if (Current.Kind == TokenKind::Symbol && Current.Text == ",") {
        Advance();
        continue;
      }
      Expect(']', "at the end of the set");
      return Result;
    }
  }

  TextLexer Lexer;
  Token Current{TokenKind::End, "", 1};
};

}  // namespace

FormObject ParseTextForm(std::string_view Source) { return TextParser(Source).Form(); }

}  // namespace formc
