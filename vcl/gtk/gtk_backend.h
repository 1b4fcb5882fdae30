#pragma once
// What the files of the GTK backend share with each other (and with their
// tests): text conversion, the Windows command-line rules, the Wine
// registry file reader and the native side of a form window.

#include <vcl/ansistring.h>
#include <vcl/forms.h>

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

typedef struct _GtkWidget GtkWidget;

namespace vcl::gtk {

// ---- Text (text.cpp) ----

// Code page 936 bytes to UTF-8, through GB18030 (a superset of GBK that
// covers all of Unicode). A byte sequence that is not GB18030 becomes U+FFFD.
std::string ToUtf8(std::string_view Ansi);
// UTF-8 (a GTK text) to code page 936 bytes, through GB18030 so that no
// character is lost. Invalid UTF-8 becomes U+FFFD.
AnsiString FromUtf8(std::string_view Utf8);
// A Linux file name's bytes to code page 936 bytes and back, losing none:
// bytes that are not UTF-8 are carried through (text.cpp says how).
AnsiString FromFileName(std::string_view Name);
std::string ToFileName(std::string_view Ansi);

// ---- Command lines (command_line.cpp) ----

// Splits a Windows command-line parameter text into arguments by the rules
// of the Microsoft C runtime: blanks separate, double quotes group, "" inside
// quotes is a literal quote, and backslashes escape only a following quote.
std::vector<std::string> SplitCommandLine(std::string_view Parameters);

// ---- Wine registry files (wine_registry.cpp) ----

// A registry file of a Wine prefix (system.reg or user.reg) at Path, read
// as a stream and only as far as the answer needs. A file that is missing,
// unreadable, not a regular file, or too large for any prefix has no keys.

// True if one of Keys (UTF-8, backslash-separated, any case) is in the file
// or lies on the way to one that is: Wine writes only the keys that hold
// values or have no subkeys. The empty name, the root key, always exists.
bool RegistryFileHasKey(const std::string& Path, std::initializer_list<std::string_view> Keys);
// The values Names of Key, in their order: the text of a string value
// ("..."), the number of a dword value, or nothing.
std::vector<std::optional<std::string>> RegistryFileValues(const std::string& Path, std::string_view Key,
                                                           std::initializer_list<std::string_view> Names);

// The folder of the user's Wine prefix: $WINEPREFIX, else ~/.wine.
std::string WinePrefix();

// The major version of the Windows the prefix pretends to be, read afresh
// (registry.cpp; WindowsMajorVersion reads it once and keeps it).
int ReadWindowsMajorVersion();

// ---- Form windows (window.cpp) ----

// The main form's GTK window while the message loop runs, else null: the
// parent that message boxes are centred on and give activation back to.
GtkWidget* MainWindowWidget();

}  // namespace vcl::gtk
