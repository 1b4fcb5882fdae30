// The program's resources on Linux:
//   ProgramResource  the table of byte arrays compiled into the executable
//                    (vcl/embedded.h)

#include <cstring>

#include "backend.h"
#include "embedded.h"

namespace vcl::backend {

std::span<const std::uint8_t> ProgramResource(const char* Name) {
  for (const TEmbeddedResource* Entry = EmbeddedResources; Entry->Name; ++Entry)
    if (std::strcmp(Entry->Name, Name) == 0) return {Entry->Data, Entry->Size};
  return {};
}

}  // namespace vcl::backend
