// The database entry's registry lookup on Linux, against a Wine prefix
// whose system.reg is as large as a fresh prefix's (3 MB) and fifty times
// that (150 MB): both SQL Server keys asked for, as the entry does, with
// neither there, so that the whole file is read. Prints the medians and
// the process's peak memory.
//
//   registry_bench [RUNS]

#include <glib.h>
#include <glib/gstdio.h>
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <vcl.h>

namespace {

// A system.reg of about Bytes bytes: keys and values in Wine's own form.
void WriteSystemReg(const std::string& Path, std::size_t Bytes) {
  std::FILE* File = std::fopen(Path.c_str(), "w");
  std::fputs("WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n#arch=win64\n\n", File);
  std::size_t Written = 0;
  for (unsigned Key = 0; Written < Bytes; ++Key) {
    Written += static_cast<std::size_t>(std::fprintf(
        File,
        "[Software\\\\Classes\\\\CLSID\\\\{%08X-0000-0000-C000-000000000046}\\\\InprocServer32] 1700000000\n"
        "#time=1d9e5f0c1a2b3c4\n@=\"C:\\\\windows\\\\system32\\\\ole32.dll\"\n\"ThreadingModel\"=\"Both\"\n\n",
        Key));
  }
  std::fclose(File);
}

double LookupMilliseconds() {
  const auto Begin = std::chrono::steady_clock::now();
  TRegistry Registry;
  Registry.RootKey = HKEY_LOCAL_MACHINE;
  const bool Found = Registry.KeyExists("\\SOFTWARE\\Microsoft\\Microsoft SQL Server") ||
                     Registry.KeyExists("\\SOFTWARE\\Microsoft\\Microsoft SQL Server 2005 Redist");
  Registry.CloseKey();
  const auto End = std::chrono::steady_clock::now();
  if (Found) std::fputs("unexpected: a key was found\n", stderr);
  return std::chrono::duration<double, std::milli>(End - Begin).count();
}

}  // namespace

int main(int argc, char** argv) {
  const int Runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
  gchar* Prefix = g_dir_make_tmp("registry-bench-XXXXXX", nullptr);
  g_setenv("WINEPREFIX", Prefix, TRUE);
  const std::string SystemReg = std::string(Prefix) + "/system.reg";
  for (const std::size_t Megabytes : {3, 150}) {
    WriteSystemReg(SystemReg, Megabytes << 20);
    std::vector<double> Times;
    for (int Run = 0; Run < Runs; ++Run) Times.push_back(LookupMilliseconds());
    std::ranges::sort(Times);
    std::printf("database entry's registry lookup, both keys absent, %zu MB system.reg: median %.2f ms of %d (min %.2f, max %.2f)\n",
                Megabytes, Times[Times.size() / 2], Runs, Times.front(), Times.back());
  }
  rusage Usage{};
  getrusage(RUSAGE_SELF, &Usage);
  std::printf("peak memory of this process: %ld KiB\n", Usage.ru_maxrss);
  std::filesystem::remove_all(Prefix);
  g_free(Prefix);
  return 0;
}
