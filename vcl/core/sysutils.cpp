#include <vcl/sysutils.h>

#include "backend.h"

namespace vcl {

int Win32MajorVersion = backend::WindowsMajorVersion();

namespace {
bool IsDelimiter(char C) { return C == PathDelim || (DriveDelim != '\0' && C == DriveDelim); }
}  // namespace

AnsiString ExtractFileDir(const AnsiString& FileName) {
  std::string_view Name = FileName.View();
  std::size_t Last = Name.size();
  while (Last > 0 && !IsDelimiter(Name[Last - 1])) --Last;
  // Last is now the length up to and including the last delimiter. Drop
  // that delimiter unless it ends a root: the very first byte (/), or one
  // that follows a drive (D:\).
  if (Last > 1 && Name[Last - 1] == PathDelim && !IsDelimiter(Name[Last - 2])) --Last;
  return AnsiString(Name.substr(0, Last));
}

bool SetCurrentDir(const AnsiString& Dir) { return backend::ChangeCurrentDir(Dir); }

bool FileExists(const AnsiString& Path) { return backend::IsFile(Path); }

}  // namespace vcl
