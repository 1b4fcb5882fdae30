#pragma once
// File and system functions of the runtime library.

#include <vcl/ansistring.h>

namespace vcl {

// The path delimiter of the platform the program is built for.
#if defined(_WIN32)
inline constexpr char PathDelim = '\\';
inline constexpr char DriveDelim = ':';
#else
inline constexpr char PathDelim = '/';
inline constexpr char DriveDelim = '\0';
#endif

// The base class of the exceptions the platform raises.
class Exception {
public:
  explicit Exception(const AnsiString& Msg) : Message(Msg) {}
  virtual ~Exception() = default;
  AnsiString Message;
};

// True if the byte at 1-based Index of S is a path delimiter standing by
// itself, not the second byte of a double-byte character (code page 936
// has characters whose second byte is a backslash).
bool IsPathDelimiter(const AnsiString& S, int Index);

// The folder part of FileName: a drive or file system root keeps its
// delimiter (D:\ or /), any other folder comes without a trailing one.
AnsiString ExtractFileDir(const AnsiString& FileName);

// Makes Dir the process's current directory; false if it cannot be entered.
bool SetCurrentDir(const AnsiString& Dir);

// True if a file (not a folder) exists at Path.
bool FileExists(const AnsiString& Path);

// Argument in double quotes such that the Windows command-line rules give
// it back whole: a quote inside it, and the backslashes before one, are
// escaped. A Windows path holds no quote and does not end in a backslash
// here, so for it this is plainly the path in quotes.
AnsiString QuotedArgument(const AnsiString& Argument);

// The system's own words for an error code (GetLastError), in the user's
// language; empty for 0.
AnsiString SysErrorMessage(unsigned ErrorCode);

// The major version of the running Windows. It reads like the runtime
// library's variable, but the platform is asked only when it is first read:
// nothing runs before the program's entry that the program may not need.
struct TWin32MajorVersion {
  operator int() const;
};
inline constexpr TWin32MajorVersion Win32MajorVersion{};

}  // namespace vcl
