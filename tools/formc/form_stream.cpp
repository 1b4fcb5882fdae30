#include "form_stream.h"

#include "form_error.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace formc {

namespace {

enum ValueTag : std::uint8_t {
  Int8 = 2,
  Int16 = 3,
  Int32 = 4,
  ShortString = 6,
  Ident = 7,
  False = 8,
  True = 9,
  BinaryData = 10,
  Set = 11,
  Utf8String = 20,
};

class StreamWriter {
public:
  std::string Bytes = "TPF0";

  void Object(const FormObject& O) {
    Short(O.ClassName, O.Line, "class name");
    Short(O.Name, O.Line, "object name");
    for (const Property& P : O.Properties) {
      Short(P.Name, P.Line, "property name");
      std::visit([&](const auto& V) { Value(V, P.Line); }, P.Value);
    }
    Byte(0);
    for (const FormObject& Child : O.Children) Object(Child);
    Byte(0);
  }

private:
  void Byte(std::uint8_t B) { Bytes += static_cast<char>(B); }

  template <typename Unsigned>
  void Little(Unsigned U) {
    for (std::size_t I = 0; I < sizeof U; ++I) Byte(static_cast<std::uint8_t>(U >> 8 * I));
  }

  void Short(const std::string& S, int Line, const char* What) {
    if (S.size() > 255)
      throw FormError(Line, std::string(What) + " of " + std::to_string(S.size()) +
                                " bytes is longer than the 255 of a short string");
    Byte(static_cast<std::uint8_t>(S.size()));
    Bytes += S;
  }

  void Long(const std::string& S, int Line) {
    if (S.size() > std::numeric_limits<std::uint32_t>::max())
      throw FormError(Line, "value of " + std::to_string(S.size()) + " bytes is too long for a form");
    Little(static_cast<std::uint32_t>(S.size()));
    Bytes += S;
  }

  void Value(std::int32_t N, int) {
    if (N >= INT8_MIN && N <= INT8_MAX) {
      Byte(Int8);
      Little(static_cast<std::uint8_t>(N));
    } else if (N >= INT16_MIN && N <= INT16_MAX) {
      Byte(Int16);
      Little(static_cast<std::uint16_t>(N));
    } else {
      Byte(Int32);
      Little(static_cast<std::uint32_t>(N));
    }
  }
  void Value(bool B, int) { Byte(B ? True : False); }
  void Value(const Identifier& I, int Line) {
    Byte(Ident);
    Short(I.Name, Line, "identifier");
  }
  void Value(const Text& T, int Line) {
    if (std::ranges::all_of(T.Utf8, [](char C) { return static_cast<unsigned char>(C) < 0x80; })) {
      Byte(ShortString);
      Short(T.Utf8, Line, "string");
    } else {
      Byte(Utf8String);
      Long(T.Utf8, Line);
    }
  }
  void Value(const NameSet& S, int Line) {
    Byte(Set);
    for (const std::string& Name : S.Names) Short(Name, Line, "set element");
    Byte(0);
  }
  void Value(const Binary& B, int Line) {
    Byte(BinaryData);
    Long(B.Bytes, Line);
  }
};

}  // namespace

std::string WriteFormStream(const FormObject& Form) {
  StreamWriter Writer;
  Writer.Object(Form);
  return std::move(Writer.Bytes);
}

}  // namespace formc
