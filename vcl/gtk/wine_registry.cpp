// Reading a Wine prefix's registry files (system.reg for HKEY_LOCAL_MACHINE,
// user.reg for HKEY_CURRENT_USER). Such a file is text: a header line per key,
// "[Key\\Subkey] timestamp", followed by its values, one per line, as
// "Name"="text" or "Name"=dword:0000000a. Backslashes in names are doubled;
// a character outside ASCII is written as \x and up to four hex digits of
// its UTF-16 code unit.
//
// A file is read as a stream, a buffer at a time, and only until the
// answer is known: a prefix's files run to megabytes, and whatever lies at
// those names (a pipe, a device, a file of hundreds of megabytes) must cost
// neither time nor memory. Anything but a readable regular file of at most
// MaxFileSize bytes has no keys.

#include <fcntl.h>
#include <glib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "gtk_backend.h"

namespace vcl::gtk {

namespace {

// Far above any prefix's files (a fresh one's system.reg is 3 MB).
constexpr off_t MaxFileSize = off_t{1} << 30;

int HexDigit(char C) {
  if (C >= '0' && C <= '9') return C - '0';
  if (C >= 'a' && C <= 'f') return C - 'a' + 10;
  if (C >= 'A' && C <= 'F') return C - 'A' + 10;
  return -1;
}

void AppendUtf8(std::string& Out, gunichar C) {
  char Buffer[6];
  Out.append(Buffer, static_cast<std::size_t>(g_unichar_to_utf8(C, Buffer)));
}

// Reads an escaped name from Text at I up to the unescaped Stop character,
// leaving I on that character (or at the end). Returns it as UTF-8; an
// escaped or raw NUL stays in it as a NUL byte.
std::string ReadEscaped(std::string_view Text, std::size_t& I, char Stop) {
  std::string Out;
  gunichar HighSurrogate = 0;
  while (I < Text.size() && Text[I] != Stop && Text[I] != '\n') {
    char C = Text[I++];
    if (C != '\\' || I == Text.size()) {
      Out += C;
      continue;
    }
    C = Text[I++];
    if (C != 'x') {
      switch (C) {
        case 'n': Out += '\n'; break;
        case 'r': Out += '\r'; break;
        case 't': Out += '\t'; break;
        case '0': Out += '\0'; break;
        default: Out += C; break;  // \\ \" \[ \] and the like
      }
      continue;
    }
    gunichar Unit = 0;
    for (int Digits = 0; Digits < 4 && I < Text.size() && HexDigit(Text[I]) >= 0; ++Digits)
      Unit = Unit * 16 + static_cast<gunichar>(HexDigit(Text[I++]));
    if (Unit >= 0xD800 && Unit < 0xDC00) {
      HighSurrogate = Unit;
    } else if (Unit >= 0xDC00 && Unit < 0xE000 && HighSurrogate) {
      AppendUtf8(Out, 0x10000 + ((HighSurrogate - 0xD800) << 10) + (Unit - 0xDC00));
      HighSurrogate = 0;
    } else if (Unit == 0) {
      Out += '\0';
    } else {
      AppendUtf8(Out, Unit);
    }
  }
  return Out;
}

bool IsAscii(std::string_view Text) {
  return std::ranges::all_of(Text, [](char C) { return static_cast<unsigned char>(C) < 0x80; });
}

// Key names compare as Windows compares them, in any case. A NUL stays
// where it is, so that a name holding one never passes for the shorter
// name before it. (Text that is not UTF-8 can come only from a spoiled
// file; its bytes are compared as they stand, but for ASCII case.)
std::string Fold(std::string_view Key) {
  if (IsAscii(Key) || !g_utf8_validate_len(Key.data(), Key.size(), nullptr)) {
    std::string Result(Key);
    for (char& C : Result) C = g_ascii_tolower(C);
    return Result;
  }
  std::string Result;
  for (std::size_t Start = 0;;) {
    const std::size_t Nul = std::min(Key.find('\0', Start), Key.size());
    gchar* Folded = g_utf8_casefold(Key.data() + Start, static_cast<gssize>(Nul - Start));
    Result += Folded;
    g_free(Folded);
    if (Nul == Key.size()) return Result;
    Result += '\0';
    Start = Nul + 1;
  }
}

// The lines of a file, read a buffer at a time. A line longer than the
// buffer is passed over whole: no key or value the menu reads is that long.
class LineReader {
public:
  explicit LineReader(int Descriptor) : Fd(Descriptor) {}

  // The next line, without its newline; false at the end or on an error.
  bool Next(std::string_view& Line) {
    for (;;) {
      const char* Start = Buffer + Begin;
      if (const void* Newline = std::memchr(Start, '\n', End - Begin)) {
        const auto Length = static_cast<std::size_t>(static_cast<const char*>(Newline) - Start);
        Begin += Length + 1;
        AtLineStart = true;
        if (Skipping) {
          Skipping = false;
          continue;
        }
        Line = {Start, Length};
        return true;
      }
      if (AtEnd) {
        if (Begin == End || Skipping) return false;
        Line = {Start, End - Begin};  // the last line, without a newline
        Begin = End;
        return true;
      }
      if (Begin == 0 && End == sizeof Buffer) {
        Skipping = true;  // a line too long to hold: drop what we have of it
        End = 0;
      }
      if (!Refill()) return false;
    }
  }

  // The next line that starts with C, passing over the others without
  // looking at them line by line; false at the end or on an error.
  bool NextStartingWith(char C, std::string_view& Line) {
    for (;;) {
      for (std::size_t At = Begin; At < End;) {
        const void* Hit = std::memchr(Buffer + At, C, End - At);
        if (!Hit) break;
        const auto Position = static_cast<std::size_t>(static_cast<const char*>(Hit) - Buffer);
        if (Position == Begin ? AtLineStart : Buffer[Position - 1] == '\n') {
          Begin = Position;
          AtLineStart = true;
          Skipping = false;
          return Next(Line);
        }
        At = Position + 1;
      }
      // Nothing here starts a line with C: keep only whether the next byte
      // will start a line.
      if (End > Begin) AtLineStart = Buffer[End - 1] == '\n';
      Begin = End = 0;
      if (AtEnd || !Fill()) return false;
    }
  }

private:
  // Moves what is left to the front and reads more after it.
  bool Refill() {
    std::memmove(Buffer, Buffer + Begin, End - Begin);
    End -= Begin;
    Begin = 0;
    return Fill();
  }

  bool Fill() {
    for (;;) {
      const ssize_t Read = read(Fd, Buffer + End, sizeof Buffer - End);
      if (Read > 0) {
        End += static_cast<std::size_t>(Read);
        return true;
      }
      if (Read == 0) {
        AtEnd = true;
        return true;
      }
      if (errno != EINTR) return false;  // the file went bad underneath
    }
  }

  int Fd;
  char Buffer[64 * 1024];
  std::size_t Begin = 0, End = 0;
  bool AtLineStart = true;  // Buffer[Begin] starts a line
  bool AtEnd = false;
  bool Skipping = false;
};

// Path opened for reading if it is a regular file of at most MaxFileSize
// bytes, else -1. O_NONBLOCK: opening a pipe with no writer (or a device)
// must not wait; fstat then turns it away.
int OpenRegistryFile(const std::string& Path) {
  const int Fd = open(Path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (Fd < 0) return -1;
  struct stat Info;
  if (fstat(Fd, &Info) != 0 || !S_ISREG(Info.st_mode) || Info.st_size > MaxFileSize) {
    close(Fd);
    return -1;
  }
  return Fd;
}

bool IsHeader(std::string_view Line) { return !Line.empty() && Line[0] == '['; }

// How the key named by a header line ("[Name] time") stands to Wanted, a
// folded name.
enum class Relation { Other, Same, Below };

Relation Relate(std::string_view Header, std::string_view Wanted) {
  std::size_t I = 1;
  const std::string Name = Fold(ReadEscaped(Header, I, ']'));
  if (Name == Wanted) return Relation::Same;
  return Name.size() > Wanted.size() && Name.starts_with(Wanted) && Name[Wanted.size()] == '\\'
             ? Relation::Below
             : Relation::Other;
}

// The same, without taking the name apart where it is plain ASCII, as
// nearly every name of a prefix is: most headers differ from Wanted within
// their first few characters.
Relation QuickRelate(std::string_view Header, std::string_view Wanted) {
  std::size_t W = 0;
  for (std::size_t I = 1;;) {
    if (I >= Header.size() || Header[I] == ']')  // the end of the name
      return W == Wanted.size() ? Relation::Same : Relation::Other;
    char C = Header[I++];
    if (C == '\\') {
      if (I >= Header.size()) return Relate(Header, Wanted);
      C = Header[I++];
      // Only the escapes that stand for themselves; \x, \0, \n and the like
      // go the long way.
      if (C != '\\' && C != '"' && C != '[' && C != ']') return Relate(Header, Wanted);
    } else if (static_cast<unsigned char>(C) >= 0x80) {
      return Relate(Header, Wanted);
    }
    if (W == Wanted.size()) return C == '\\' ? Relation::Below : Relation::Other;
    if (g_ascii_tolower(C) != Wanted[W]) return Relation::Other;
    ++W;
  }
}

// Calls Visit(Header, NextValueLine) for each key of the file at Path in
// turn, until Visit returns true. Header is the key's header line, valid
// until Visit first calls NextValueLine(Line), which gives the key's value
// lines one by one, each valid until the next call, and false after the
// last.
template <class Visitor>
void ForEachKey(const std::string& Path, Visitor&& Visit) {
  const int Fd = OpenRegistryFile(Path);
  if (Fd < 0) return;
  auto Reader = std::make_unique<LineReader>(Fd);  // its buffer is too large for the stack
  std::string_view Line;
  bool HaveHeader = Reader->NextStartingWith('[', Line);
  while (HaveHeader) {
    bool NextHeaderRead = false;
    auto NextValueLine = [&](std::string_view& Value) {
      if (NextHeaderRead || !Reader->Next(Line)) return false;
      NextHeaderRead = IsHeader(Line);
      Value = Line;
      return !NextHeaderRead;
    };
    if (Visit(Line, NextValueLine)) break;
    HaveHeader = NextHeaderRead || Reader->NextStartingWith('[', Line);
  }
  close(Fd);
}

}  // namespace

bool RegistryFileHasKey(const std::string& Path, std::initializer_list<std::string_view> Keys) {
  std::vector<std::string> Wanted;
  for (const std::string_view Key : Keys) {
    if (Key.empty()) return true;  // the root key itself
    Wanted.push_back(Fold(Key));
  }
  bool Found = false;
  ForEachKey(Path, [&](std::string_view Header, auto&&) {
    for (const std::string& Name : Wanted)
      Found = Found || QuickRelate(Header, Name) != Relation::Other;
    return Found;
  });
  return Found;
}

std::vector<std::optional<std::string>> RegistryFileValues(const std::string& Path, std::string_view Key,
                                                           std::initializer_list<std::string_view> Names) {
  std::vector<std::optional<std::string>> Values(Names.size());
  const std::string Wanted = Fold(Key);
  ForEachKey(Path, [&](std::string_view Header, auto&& NextValueLine) {
    if (QuickRelate(Header, Wanted) != Relation::Same) return false;
    std::string_view Line;
    while (NextValueLine(Line)) {
      std::size_t I = 1;
      if (Line.empty() || Line[0] != '"') continue;
      const std::string ValueName = ReadEscaped(Line, I, '"');
      if (I + 1 >= Line.size() || Line[I + 1] != '=') continue;
      const auto At = std::ranges::find(Names, ValueName);
      if (At == Names.end()) continue;
      const std::string_view Data = Line.substr(I + 2);
      auto& Value = Values[static_cast<std::size_t>(At - Names.begin())];
      if (Data.starts_with('"')) {
        std::size_t J = 1;
        Value = ReadEscaped(Data, J, '"');
      } else if (Data.starts_with("dword:")) {
        const std::string Hex(Data.substr(6));
        Value = std::to_string(std::strtoul(Hex.c_str(), nullptr, 16));
      }
    }
    return true;  // the key is read: nothing further in the file matters
  });
  return Values;
}

std::string WinePrefix() {
  const char* Prefix = g_getenv("WINEPREFIX");
  if (Prefix && *Prefix) return Prefix;
  return std::string(g_get_home_dir()) + "/.wine";
}

}  // namespace vcl::gtk
