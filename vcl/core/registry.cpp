#include <vcl/registry.h>

#include "backend.h"

namespace vcl {

TRegistry::TRegistry() : Session(backend::OpenRegistry()) {}

TRegistry::~TRegistry() { backend::CloseRegistry(Session); }

bool TRegistry::KeyExists(const AnsiString& Key) {
  std::string_view Path = Key.View();
  if (!Path.empty() && Path.front() == '\\') Path.remove_prefix(1);
  return backend::KeyExists(*Session, RootKey, AnsiString(Path));
}

}  // namespace vcl
