// The Windows command-line rules, so that a setup program started on Linux
// gets the arguments a Windows program would read from the same parameter
// text (the rules of the Microsoft C runtime's argv parsing).

#include "gtk_backend.h"

namespace vcl::gtk {

std::vector<std::string> SplitCommandLine(std::string_view Parameters) {
  std::vector<std::string> Arguments;
  const std::size_t End = Parameters.size();
  auto IsBlank = [](char C) { return C == ' ' || C == '\t'; };
  std::size_t I = 0;
  for (;;) {
    while (I < End && IsBlank(Parameters[I])) ++I;
    if (I == End) break;
    std::string Argument;
    bool Quoted = false;
    while (I < End && (Quoted || !IsBlank(Parameters[I]))) {
      std::size_t Backslashes = 0;
      while (I < End && Parameters[I] == '\\') ++Backslashes, ++I;
      if (I < End && Parameters[I] == '"') {
        // 2n backslashes and a quote: n backslashes, the quote groups.
        // 2n+1 backslashes and a quote: n backslashes and a literal quote.
        Argument.append(Backslashes / 2, '\\');
        if (Backslashes % 2 == 1) {
          Argument += '"';
        } else if (Quoted && I + 1 < End && Parameters[I + 1] == '"') {
          Argument += '"';  // "" inside quotes
          ++I;
        } else {
          Quoted = !Quoted;
        }
        ++I;
      } else {
        // Backslashes not followed by a quote are literal.
        Argument.append(Backslashes, '\\');
        if (I < End && (Quoted || !IsBlank(Parameters[I]))) Argument += Parameters[I++];
      }
    }
    Arguments.push_back(std::move(Argument));
  }
  return Arguments;
}

}  // namespace vcl::gtk
