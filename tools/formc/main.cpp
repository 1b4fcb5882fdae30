// formc: compiles a form in Delphi's text-form syntax, with a BMP file for
// each picture control, into the binary form stream a program embeds.
//
//   formc input.dfm output.bin [Control=picture.bmp ...]
//
// Faults are reported as "input.dfm:line: message" on stderr with exit code
// 1, and then no output file is written.

#include "files.h"
#include "form_error.h"
#include "form_stream.h"
#include "pictures.h"
#include "text_parser.h"

#include <iostream>
#include <string>

int main(int Argc, char** Argv) {
  if (Argc < 3) {
    std::cerr << "usage: formc input.dfm output.bin [Control=picture.bmp ...]\n";
    return 2;
  }
  const std::string Input = Argv[1];
  const std::string Output = Argv[2];
  try {
    formc::FormObject Form = formc::ParseTextForm(tools::ReadWholeFile(Input));
    for (int I = 3; I < Argc; ++I) {
      const std::string Pair = Argv[I];
      const auto Equals = Pair.find('=');
      if (Equals == 0 || Equals == std::string::npos || Equals + 1 == Pair.size()) {
        std::cerr << "formc: expected Control=picture.bmp, found '" << Pair << "'\n";
        return 2;
      }
      formc::AttachPicture(Form, Pair.substr(0, Equals), Pair.substr(Equals + 1));
    }
    tools::WriteWholeFile(Output, formc::WriteFormStream(Form));
  } catch (const formc::FormError& E) {
    std::cerr << Input << ':' << E.Line << ": " << E.what() << '\n';
    return 1;
  } catch (const std::exception& E) {
    std::cerr << "formc: " << E.what() << '\n';
    return 1;
  }
  return 0;
}
