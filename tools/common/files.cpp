#include "files.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <stdexcept>

namespace tools {

namespace {

struct FileCloser {
  void operator()(std::FILE* F) const noexcept { std::fclose(F); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

[[noreturn]] void Fail(const char* What, const std::filesystem::path& File, int Error) {
  throw std::runtime_error(std::string(What) + " " + File.string() + ": " + std::strerror(Error));
}

}  // namespace

std::string ReadWholeFile(const std::filesystem::path& File) {
  FilePtr In(std::fopen(File.string().c_str(), "rb"));
  if (!In) Fail("cannot read", File, errno);
  std::string Bytes;
  char Chunk[1 << 16];
  std::size_t Count;
  while ((Count = std::fread(Chunk, 1, sizeof Chunk, In.get())) > 0) Bytes.append(Chunk, Count);
  // A folder opens fine and fails here, with EISDIR.
  if (std::ferror(In.get())) Fail("cannot read", File, errno);
  return Bytes;
}

void WriteWholeFile(const std::filesystem::path& File, std::string_view Bytes) {
  std::FILE* Out = std::fopen(File.string().c_str(), "wb");
  if (!Out) Fail("cannot write", File, errno);
  const bool Written = std::fwrite(Bytes.data(), 1, Bytes.size(), Out) == Bytes.size();
  const int WriteError = errno;
  // fclose flushes: its failure is a failed write too.
  const bool Closed = std::fclose(Out) == 0;
  if (!Written || !Closed) {
    const int Error = Written ? errno : WriteError;
    std::error_code Ignored;
    std::filesystem::remove(File, Ignored);
    Fail("cannot write", File, Error);
  }
}

}  // namespace tools
