#pragma once
// Writes form streams and bitmaps for tests, so each test can state the
// exact bytes its case needs, well-formed or not.

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace testing_streams {

using Bytes = std::vector<std::uint8_t>;

inline void PutU32(Bytes& Out, std::uint32_t Value) {
  for (int I = 0; I < 4; ++I) Out.push_back(static_cast<std::uint8_t>(Value >> (8 * I)));
}
inline void PutU16(Bytes& Out, std::uint16_t Value) {
  Out.push_back(static_cast<std::uint8_t>(Value));
  Out.push_back(static_cast<std::uint8_t>(Value >> 8));
}
inline void SetU32(Bytes& Out, std::size_t At, std::uint32_t Value) {
  for (int I = 0; I < 4; ++I) Out[At + static_cast<std::size_t>(I)] = static_cast<std::uint8_t>(Value >> (8 * I));
}

// A bottom-up 24-bit BMP file whose pixel (X, Y), Y from the top, is
// Color(X, Y) as 0x00RRGGBB.
inline Bytes Bitmap(int Width, int Height, const std::function<std::uint32_t(int, int)>& Color) {
  const std::size_t Stride = (static_cast<std::size_t>(Width) * 3 + 3) & ~std::size_t{3};
  const std::size_t Size = 54 + Stride * static_cast<std::size_t>(Height);
  Bytes Out{'B', 'M'};
  PutU32(Out, static_cast<std::uint32_t>(Size));
  PutU32(Out, 0);
  PutU32(Out, 54);
  PutU32(Out, 40);
  PutU32(Out, static_cast<std::uint32_t>(Width));
  PutU32(Out, static_cast<std::uint32_t>(Height));
  PutU16(Out, 1);
  PutU16(Out, 24);
  for (int I = 0; I < 6; ++I) PutU32(Out, 0);
  for (int Y = Height - 1; Y >= 0; --Y) {
    std::size_t Row = 0;
    for (int X = 0; X < Width; ++X, Row += 3) {
      const std::uint32_t C = Color(X, Y);
      Out.push_back(static_cast<std::uint8_t>(C));
      Out.push_back(static_cast<std::uint8_t>(C >> 8));
      Out.push_back(static_cast<std::uint8_t>(C >> 16));
    }
    for (; Row < Stride; ++Row) Out.push_back(0);
  }
  return Out;
}

inline Bytes SolidBitmap(int Width, int Height, std::uint32_t Rgb) {
  return Bitmap(Width, Height, [Rgb](int, int) { return Rgb; });
}

// The value of a picture's Picture.Data: class name, size, file.
inline Bytes PictureData(const Bytes& File, std::string_view ClassName = "TBitmap") {
  Bytes Out{static_cast<std::uint8_t>(ClassName.size())};
  Out.insert(Out.end(), ClassName.begin(), ClassName.end());
  PutU32(Out, static_cast<std::uint32_t>(File.size()));
  Out.insert(Out.end(), File.begin(), File.end());
  return Out;
}

// A form stream written object by object, property by property.
class StreamBuilder {
public:
  StreamBuilder() { Out = {'T', 'P', 'F', '0'}; }

  StreamBuilder& Object(std::string_view ClassName, std::string_view Name) {
    Short(ClassName);
    Short(Name);
    return *this;
  }
  StreamBuilder& Int(std::string_view Name, std::int64_t Value) {
    Short(Name);
    if (Value >= -128 && Value <= 127) return Tagged(2, Value, 1);
    if (Value >= -32768 && Value <= 32767) return Tagged(3, Value, 2);
    if (Value >= INT32_MIN && Value <= INT32_MAX) return Tagged(4, Value, 4);
    return Tagged(19, Value, 8);
  }
  StreamBuilder& Ident(std::string_view Name, std::string_view Value) {
    Short(Name);
    Out.push_back(7);
    Short(Value);
    return *this;
  }
  StreamBuilder& Bool(std::string_view Name, bool Value) {
    Short(Name);
    Out.push_back(Value ? 9 : 8);
    return *this;
  }
  StreamBuilder& String(std::string_view Name, std::string_view Value) {
    Short(Name);
    Out.push_back(6);
    Short(Value);
    return *this;
  }
  StreamBuilder& Utf8(std::string_view Name, std::string_view Value) {
    Short(Name);
    Out.push_back(20);
    PutU32(Out, static_cast<std::uint32_t>(Value.size()));
    Out.insert(Out.end(), Value.begin(), Value.end());
    return *this;
  }
  StreamBuilder& Binary(std::string_view Name, const Bytes& Value) {
    Short(Name);
    Out.push_back(10);
    PutU32(Out, static_cast<std::uint32_t>(Value.size()));
    Out.insert(Out.end(), Value.begin(), Value.end());
    return *this;
  }
  StreamBuilder& Set(std::string_view Name, std::initializer_list<std::string_view> Names) {
    Short(Name);
    Out.push_back(11);
    for (std::string_view N : Names) Short(N);
    Out.push_back(0);
    return *this;
  }
  // Ends a property list or a child list.
  StreamBuilder& End() {
    Out.push_back(0);
    return *this;
  }
  StreamBuilder& Raw(std::initializer_list<std::uint8_t> Data) {
    Out.insert(Out.end(), Data);
    return *this;
  }

  const Bytes& Stream() const { return Out; }

private:
  Bytes Out;

  void Short(std::string_view Text) {
    Out.push_back(static_cast<std::uint8_t>(Text.size()));
    Out.insert(Out.end(), Text.begin(), Text.end());
  }
  StreamBuilder& Tagged(std::uint8_t Tag, std::int64_t Value, int Size) {
    Out.push_back(Tag);
    for (int I = 0; I < Size; ++I) Out.push_back(static_cast<std::uint8_t>(static_cast<std::uint64_t>(Value) >> (8 * I)));
    return *this;
  }
};

}  // namespace testing_streams
