#pragma once
// A test that runs a build tool the way the build does, on files it writes
// into a scratch folder of its own.

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

class ToolTest : public ::testing::Test {
protected:
  struct Result {
    int ExitCode;
    std::string Errors;  // what the tool wrote to stderr
  };

  void SetUp() override {
    Dir = std::filesystem::temp_directory_path() /
          ("menu-tool-test-" + std::to_string(getpid()) + "-" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(Dir);
    std::filesystem::create_directories(Dir);
  }
  void TearDown() override { std::filesystem::remove_all(Dir); }

  std::string Path(std::string_view Name) const { return (Dir / Name).string(); }

  std::string Write(std::string_view Name, std::string_view Bytes) const {
    std::ofstream(Path(Name), std::ios::binary).write(Bytes.data(), static_cast<std::streamsize>(Bytes.size()));
    return Path(Name);
  }

  static std::string Read(const std::string& File) {
    std::ifstream In(File, std::ios::binary);
    return {std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>()};
  }

  // Runs Program with Args through the shell, every word quoted.
  Result Run(const std::string& Program, const std::vector<std::string>& Args) const {
    std::string Command = Quote(Program);
    for (const std::string& A : Args) Command += " " + Quote(A);
    const std::string ErrorsFile = Path("stderr.txt");
    const int Status = std::system((Command + " >/dev/null 2>" + Quote(ErrorsFile)).c_str());
    return {WIFEXITED(Status) ? WEXITSTATUS(Status) : -1, Read(ErrorsFile)};
  }

  std::filesystem::path Dir;

private:
  static std::string Quote(const std::string& Word) {
    std::string Out = "'";
    for (char C : Word) Out += C == '\'' ? std::string("'\\''") : std::string(1, C);
    return Out + "'";
  }
};
