#include <vcl/sysutils.h>

#include "backend.h"

namespace vcl {

// The backend keeps what it read the first time.
TWin32MajorVersion::operator int() const { return backend::WindowsMajorVersion(); }

namespace {

bool IsDelimiter(char C) { return C == PathDelim || (DriveDelim != '\0' && C == DriveDelim); }

// A byte that starts a double-byte character of code page 936.
bool IsLeadByte(char C) {
  const auto Byte = static_cast<unsigned char>(C);
  return Byte >= 0x81 && Byte <= 0xFE;
}

}  // namespace

bool IsPathDelimiter(const AnsiString& S, int Index) {
  const std::string_view Text = S.View();
  if (Index < 1 || Index > static_cast<int>(Text.size())) return false;
  // Walk the characters from the start: only there is it known which bytes
  // are second bytes.
  std::size_t At = 0;
  const auto Wanted = static_cast<std::size_t>(Index - 1);
  while (At < Wanted) At += IsLeadByte(Text[At]) && At + 1 < Text.size() ? 2 : 1;
  return At == Wanted && Text[At] == PathDelim;
}

AnsiString ExtractFileDir(const AnsiString& FileName) {
  const std::string_view Name = FileName.View();
  // The length up to and including the last delimiter, and the character
  // before that delimiter, found walking whole characters.
  std::size_t Last = 0;
  bool AfterDelimiter = false;  // the last delimiter follows another delimiter
  bool PreviousWasDelimiter = false;
  for (std::size_t At = 0; At < Name.size();) {
    const bool Double = IsLeadByte(Name[At]) && At + 1 < Name.size();
    const bool Delimiter = !Double && IsDelimiter(Name[At]);
    if (Delimiter) {
      Last = At + 1;
      AfterDelimiter = PreviousWasDelimiter;
    }
    PreviousWasDelimiter = Delimiter;
    At += Double ? 2 : 1;
  }
  // Drop the last delimiter unless it ends a root: the very first byte (/),
  // or one that follows a drive (D:\).
  if (Last > 1 && Name[Last - 1] == PathDelim && !AfterDelimiter) --Last;
  return AnsiString(Name.substr(0, Last));
}

bool SetCurrentDir(const AnsiString& Dir) { return backend::ChangeCurrentDir(Dir); }

bool FileExists(const AnsiString& Path) { return backend::IsFile(Path); }

AnsiString QuotedArgument(const AnsiString& Argument) {
  std::string Quoted = "\"";
  std::size_t Backslashes = 0;
  for (const char C : Argument.View()) {
    if (C == '\\') {
      ++Backslashes;
      continue;
    }
    // Backslashes stand for themselves unless a quote follows them.
    Quoted.append(C == '"' ? 2 * Backslashes + 1 : Backslashes, '\\');
    Backslashes = 0;
    Quoted += C;
  }
  Quoted.append(2 * Backslashes, '\\');  // before the closing quote
  return AnsiString(std::string_view(Quoted + '"'));
}

AnsiString SysErrorMessage(unsigned ErrorCode) { return backend::SystemErrorText(ErrorCode); }

}  // namespace vcl
