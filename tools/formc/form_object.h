#pragma once
// A form as its text describes it: objects with their properties, in the
// order written, and their child objects.

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace formc {

// An enum value, colour, charset or event handler name.
struct Identifier {
  std::string Name;
};

// Text, held as UTF-8.
struct Text {
  std::string Utf8;
};

// A set of enum names.
struct NameSet {
  std::vector<std::string> Names;
};

// Raw bytes (a picture's data).
struct Binary {
  std::string Bytes;
};

using PropertyValue = std::variant<std::int32_t, bool, Identifier, Text, NameSet, Binary>;

struct Property {
  std::string Name;  // dotted for nested properties: "Font.Height"
  PropertyValue Value;
  int Line;
};

struct FormObject {
  std::string Name;
  std::string ClassName;
  int Line;
  std::vector<Property> Properties;
  std::vector<FormObject> Children;
};

}  // namespace formc
