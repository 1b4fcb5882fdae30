#pragma once
// Resources compiled into a program as byte arrays, for the backends that
// have no resource section of their own. The table is generated at build
// time (tools/embed) and ends with an entry whose Name is null.

#include <cstddef>

namespace vcl {

struct TEmbeddedResource {
  const char* Name;
  const unsigned char* Data;
  std::size_t Size;
};

extern const TEmbeddedResource EmbeddedResources[];

}  // namespace vcl
