// A child for the launch tests: appends one record to the file named by
// PRINT_ARGS_OUT, its working directory and every argument, each as
// "<length>:<bytes>", the record ended by a newline.

#include <fcntl.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {
void Field(std::string& Out, const char* Text) {
  Out += std::to_string(std::strlen(Text)) + ':' + Text;
}
}  // namespace

int main(int argc, char** argv) {
  const char* Path = std::getenv("PRINT_ARGS_OUT");
  if (!Path) return 2;
  char Cwd[PATH_MAX];
  if (!getcwd(Cwd, sizeof Cwd)) return 3;
  std::string Record;
  Field(Record, Cwd);
  for (int I = 0; I < argc; ++I) Field(Record, argv[I]);
  Record += '\n';
  const int Fd = open(Path, O_WRONLY | O_APPEND | O_CREAT, 0644);
  if (Fd < 0 || write(Fd, Record.data(), Record.size()) != static_cast<ssize_t>(Record.size())) return 4;
  close(Fd);
  return 0;
}
