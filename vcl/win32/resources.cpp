// The program's resources:
//   ProgramResource  FindResourceW, LoadResource, LockResource (RT_RCDATA)

#include "win32_backend.h"

namespace vcl::backend {

std::span<const std::uint8_t> ProgramResource(const char* Name) {
  const std::wstring WideName = win32::Wide(Name);
  // A resource of the program's own module: LoadResource hands back the
  // mapped image itself, which stays for the life of the process, so
  // nothing needs freeing.
  const ::HRSRC Found = FindResourceW(nullptr, WideName.c_str(), MAKEINTRESOURCEW(10) /* RT_RCDATA */);
  if (!Found) return {};
  const ::HGLOBAL Loaded = LoadResource(nullptr, Found);
  if (!Loaded) return {};
  const auto* Bytes = static_cast<const std::uint8_t*>(LockResource(Loaded));
  if (!Bytes) return {};
  return {Bytes, SizeofResource(nullptr, Found)};
}

}  // namespace vcl::backend
