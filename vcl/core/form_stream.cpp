#include "form_stream.h"

#include <vcl/sysutils.h>

#include <cstring>

namespace vcl::core {

namespace {

// Value tags of the format.
enum Tag : std::uint8_t {
  vaNull = 0, vaList = 1, vaInt8 = 2, vaInt16 = 3, vaInt32 = 4, vaExtended = 5,
  vaString = 6, vaIdent = 7, vaFalse = 8, vaTrue = 9, vaBinary = 10, vaSet = 11,
  vaLString = 12, vaNil = 13, vaCollection = 14, vaSingle = 15, vaCurrency = 16,
  vaDate = 17, vaWString = 18, vaInt64 = 19, vaUTF8String = 20,
};

// Object prefix flags (the low nibble of a prefix byte 0xF?).
constexpr std::uint8_t ffInherited = 1, ffChildPos = 2, ffInline = 4;

// A form has one level of controls; anything much deeper is not a form.
constexpr int MaxDepth = 16;

class Reader {
public:
  explicit Reader(std::span<const std::uint8_t> Stream) : Bytes(Stream) {}

  StreamObject Root() {
    if (Bytes.size() < 4 || std::memcmp(Bytes.data(), "TPF0", 4) != 0)
      Fail(0, "the form stream does not start with the signature TPF0");
    Position = 4;
    StreamObject Object = ReadObject(0);
    if (Position != Bytes.size()) Fail(Position, "unexpected data after the form's last object");
    return Object;
  }

private:
  std::span<const std::uint8_t> Bytes;
  std::size_t Position = 0;

  [[noreturn]] static void Fail(std::size_t At, const std::string& What) {
    throw Exception(AnsiString(("Form stream, offset " + std::to_string(At) + ": " + What).c_str()));
  }

  void Need(std::size_t Count, const char* What) const {
    if (Bytes.size() - Position < Count)
      Fail(Position, std::string("the stream ends inside ") + What);
  }

  std::uint8_t Byte(const char* What) {
    Need(1, What);
    return Bytes[Position++];
  }

  std::uint64_t Unsigned(std::size_t Size, const char* What) {
    Need(Size, What);
    std::uint64_t Value = 0;
    for (std::size_t I = 0; I < Size; ++I) Value |= std::uint64_t{Bytes[Position + I]} << (8 * I);
    Position += Size;
    return Value;
  }

  std::int64_t Signed(std::size_t Size, const char* What) {
    const std::uint64_t Raw = Unsigned(Size, What);
    const unsigned Bits = static_cast<unsigned>(8 * Size);
    if (Bits == 64) return static_cast<std::int64_t>(Raw);
    const std::uint64_t Sign = std::uint64_t{1} << (Bits - 1);
    return static_cast<std::int64_t>((Raw ^ Sign) - Sign);
  }

  Binary Span(std::size_t Size, const char* What) {
    Need(Size, What);
    Binary Result = Bytes.subspan(Position, Size);
    Position += Size;
    return Result;
  }

  std::string ShortString(const char* What) {
    const std::size_t Length = Byte(What);
    const Binary Text = Span(Length, What);
    return {Text.begin(), Text.end()};
  }

  std::string LongText(const char* What) {
    const Binary Text = Span(static_cast<std::size_t>(Unsigned(4, What)), What);
    return {Text.begin(), Text.end()};
  }

  StreamObject ReadObject(int Depth) {
    if (Depth > MaxDepth) Fail(Position, "objects are nested too deeply");
    StreamObject Object;
    Object.Offset = Position;
    Need(1, "an object");
    if ((Bytes[Position] & 0xF0) == 0xF0) {
      const std::uint8_t Flags = Bytes[Position++] & 0x0F;
      if (Flags & (ffInherited | ffInline))
        Fail(Object.Offset, "inherited and inline objects are not supported");
      if (Flags & ffChildPos) {
        if (!std::holds_alternative<std::int64_t>(ReadValue()))
          Fail(Object.Offset, "the child position is not an integer");
      }
    }
    Object.ClassName = ShortString("an object's class name");
    if (Object.ClassName.empty()) Fail(Object.Offset, "an object has no class name");
    Object.Name = ShortString("an object's name");
    while (true) {
      const std::size_t At = Position;
      std::string Name = ShortString("a property name");
      if (Name.empty()) break;
      Object.Properties.push_back({std::move(Name), ReadValue(), At});
    }
    while (true) {
      Need(1, "an object's children");
      if (Bytes[Position] == 0) {
        ++Position;
        break;
      }
      Object.Children.push_back(ReadObject(Depth + 1));
    }
    return Object;
  }

  StreamValue ReadValue() {
    const std::size_t At = Position;
    const std::uint8_t Kind = Byte("a property value");
    switch (Kind) {
      case vaInt8: return Signed(1, "an integer");
      case vaInt16: return Signed(2, "an integer");
      case vaInt32: return Signed(4, "an integer");
      case vaInt64: return Signed(8, "an integer");
      case vaIdent: {
        std::string Name = ShortString("an identifier");
        if (Name.empty()) Fail(At, "an identifier is empty");
        return Identifier{std::move(Name)};
      }
      case vaFalse: return false;
      case vaTrue: return true;
      case vaString: return ShortString("a string");
      case vaLString: return LongText("a string");
      case vaUTF8String: return Utf8Text{LongText("a string")};
      case vaBinary: return Span(static_cast<std::size_t>(Unsigned(4, "binary data")), "binary data");
      case vaSet: {
        NameSet Names;
        while (true) {
          std::string Name = ShortString("a set");
          if (Name.empty()) return Names;
          Names.push_back(std::move(Name));
        }
      }
      case vaNull: case vaList: case vaExtended: case vaNil: case vaCollection:
      case vaSingle: case vaCurrency: case vaDate: case vaWString:
        Fail(At, "value type " + std::to_string(Kind) + " is not supported");
      default:
        Fail(At, "unknown value type " + std::to_string(Kind));
    }
  }
};

}  // namespace

StreamObject ParseFormStream(std::span<const std::uint8_t> Stream) { return Reader(Stream).Root(); }

}  // namespace vcl::core
