// Reading a Wine prefix's registry files (system.reg for HKEY_LOCAL_MACHINE,
// user.reg for HKEY_CURRENT_USER). Such a file is text: a header line per key,
// "[Key\\Subkey] timestamp", followed by its values, one per line, as
// "Name"="text" or "Name"=dword:0000000a. Backslashes in names are doubled;
// a character outside ASCII is written as \x and up to four hex digits of
// its UTF-16 code unit.

#include <glib.h>

#include <algorithm>
#include <cstdlib>

#include "gtk_backend.h"

namespace vcl::gtk {

namespace {

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
// leaving I on that character (or at the end). Returns it as UTF-8.
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
    } else {
      AppendUtf8(Out, Unit);
    }
  }
  return Out;
}

std::string Fold(std::string_view Key) {
  gchar* Folded = g_utf8_casefold(Key.data(), static_cast<gssize>(Key.size()));
  std::string Result(Folded);
  g_free(Folded);
  return Result;
}

}  // namespace

WineRegistryFile::WineRegistryFile(std::string_view FileText) : Text(FileText) {
  const std::string_view All = Text;
  std::size_t LineStart = 0;
  while (LineStart < All.size()) {
    std::size_t LineEnd = All.find('\n', LineStart);
    if (LineEnd == std::string_view::npos) LineEnd = All.size();
    if (All[LineStart] == '[') {
      if (!Sections.empty()) Sections.back().End = LineStart;
      std::size_t I = LineStart + 1;
      Sections.push_back({Fold(ReadEscaped(All, I, ']')), LineEnd, All.size()});
    }
    LineStart = LineEnd + 1;
  }
  std::ranges::stable_sort(Sections, {}, &Section::Key);
}

WineRegistryFile WineRegistryFile::Load(const std::string& Path) {
  gchar* Contents = nullptr;
  gsize Length = 0;
  if (!g_file_get_contents(Path.c_str(), &Contents, &Length, nullptr)) return WineRegistryFile({});
  WineRegistryFile File(std::string_view(Contents, Length));
  g_free(Contents);
  return File;
}

bool WineRegistryFile::HasKey(std::string_view Key) const {
  const std::string Wanted = Fold(Key);
  if (Wanted.empty()) return true;  // the root key itself
  auto Exact = std::ranges::lower_bound(Sections, Wanted, {}, &Section::Key);
  if (Exact != Sections.end() && Exact->Key == Wanted) return true;
  // Wanted lies on the way to a key when the first key not before
  // "Wanted\" starts with it.
  const std::string Below = Wanted + '\\';
  auto First = std::ranges::lower_bound(Sections, Below, {}, &Section::Key);
  return First != Sections.end() && First->Key.starts_with(Below);
}

std::optional<std::string> WineRegistryFile::Value(std::string_view Key, std::string_view Name) const {
  const std::string Wanted = Fold(Key);
  auto At = std::ranges::lower_bound(Sections, Wanted, {}, &Section::Key);
  if (At == Sections.end() || At->Key != Wanted) return std::nullopt;
  const std::string_view Body = std::string_view(Text).substr(At->Begin, At->End - At->Begin);
  std::size_t LineStart = 0;
  while (LineStart < Body.size()) {
    std::size_t LineEnd = Body.find('\n', LineStart);
    if (LineEnd == std::string_view::npos) LineEnd = Body.size();
    std::size_t I = LineStart + 1;
    if (Body[LineStart] == '"' && ReadEscaped(Body, I, '"') == Name && I + 1 < LineEnd &&
        Body[I + 1] == '=') {
      const std::string_view Data = Body.substr(I + 2, LineEnd - I - 2);
      if (Data.starts_with('"')) {
        std::size_t J = 1;
        return ReadEscaped(Data, J, '"');
      }
      if (Data.starts_with("dword:")) {
        const std::string Hex(Data.substr(6));
        return std::to_string(std::strtoul(Hex.c_str(), nullptr, 16));
      }
      return std::nullopt;
    }
    LineStart = LineEnd + 1;
  }
  return std::nullopt;
}

std::string WinePrefix() {
  const char* Prefix = g_getenv("WINEPREFIX");
  if (Prefix && *Prefix) return Prefix;
  return std::string(g_get_home_dir()) + "/.wine";
}

}  // namespace vcl::gtk
