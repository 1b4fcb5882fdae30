#pragma once
// TRegistry: a registry accessor. Only tests for keys; it writes nothing.

#include <vcl/ansistring.h>
#include <vcl/types.h>

namespace vcl {

namespace backend { struct RegistrySession; }

class TRegistry {
public:
  TRegistry();
  ~TRegistry();
  TRegistry(const TRegistry&) = delete;
  TRegistry& operator=(const TRegistry&) = delete;

  HKEY RootKey = HKEY_CURRENT_USER;

  // True if Key can be opened for reading. A key that starts with a
  // backslash is taken from RootKey; access denied counts as absent.
  bool KeyExists(const AnsiString& Key);

  // Closes the current key. This accessor opens none of its own (KeyExists
  // closes what it opens at once), so there is nothing left to release here.
  void CloseKey() {}

private:
  backend::RegistrySession* Session;
};

}  // namespace vcl
