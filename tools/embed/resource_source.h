#pragma once
// The C++ source of a table of embedded resources.

#include <string>
#include <vector>

namespace embed {

struct Resource {
  std::string Name;  // looked up by the program: letters, digits and '_'
  std::string File;  // where the bytes came from, for error messages
  std::string Bytes;
};

// A source that defines vcl::EmbeddedResources with one entry per resource,
// in order, and the closing {nullptr, nullptr, 0}. Throws
// std::invalid_argument for an unfit or repeated name or an empty resource.
std::string ResourceSource(const std::vector<Resource>& Resources);

}  // namespace embed
