// embed: writes a C++ source that defines vcl::EmbeddedResources (declared
// in vcl/embedded.h), the resources of a program without a resource
// section of its own.
//
//   embed output.cpp NAME=file [NAME=file ...]
//
// Each file becomes a 4-byte aligned array, so that a reader may take the
// data where it lies. Faults go to stderr with exit code 1, and then no
// output file is written.

#include "files.h"
#include "resource_source.h"

#include <iostream>
#include <string>
#include <vector>

int main(int Argc, char** Argv) {
  if (Argc < 3) {
    std::cerr << "usage: embed output.cpp NAME=file [NAME=file ...]\n";
    return 2;
  }
  try {
    std::vector<embed::Resource> Resources;
    for (int I = 2; I < Argc; ++I) {
      const std::string Pair = Argv[I];
      const auto Equals = Pair.find('=');
      if (Equals == std::string::npos || Equals + 1 == Pair.size()) {
        std::cerr << "embed: expected NAME=file, found '" << Pair << "'\n";
        return 2;
      }
      const std::string File = Pair.substr(Equals + 1);
      Resources.push_back({Pair.substr(0, Equals), File, tools::ReadWholeFile(File)});
    }
    tools::WriteWholeFile(Argv[1], embed::ResourceSource(Resources));
  } catch (const std::exception& E) {
    std::cerr << "embed: " << E.what() << '\n';
    return 1;
  }
  return 0;
}
