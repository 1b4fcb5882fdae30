#pragma once
// The binary form-stream format (signature TPF0) as a tree of objects and
// their properties, read without knowing any class. What the properties
// mean is the form loader's business.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace vcl::core {

struct Identifier {
  std::string Name;
  friend bool operator==(const Identifier&, const Identifier&) = default;
};
struct Utf8Text {
  std::string Bytes;
  friend bool operator==(const Utf8Text&, const Utf8Text&) = default;
};
using Binary = std::span<const std::uint8_t>;  // where it lies in the stream
using NameSet = std::vector<std::string>;

// Short and long strings are std::string (bytes as stored), booleans bool.
using StreamValue = std::variant<std::int64_t, Identifier, bool, std::string, Utf8Text, Binary, NameSet>;

struct StreamProperty {
  std::string Name;  // dotted for nested ones: Font.Height
  StreamValue Value;
  std::size_t Offset;  // of the property's name in the stream
};

struct StreamObject {
  std::string ClassName;
  std::string Name;
  std::vector<StreamProperty> Properties;
  std::vector<StreamObject> Children;
  std::size_t Offset;  // of the object's first byte in the stream
};

// Reads a whole stream: the signature, one root object and nothing after
// it. A truncated or malformed stream, a value type this reader does not
// take, or objects nested deeper than any form needs raise an Exception
// that names the offset.
StreamObject ParseFormStream(std::span<const std::uint8_t> Stream);

}  // namespace vcl::core
