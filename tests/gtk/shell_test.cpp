// Starting programs for real: exact arguments by the Windows rules, no
// shell in between, the working directory, failures, and no zombie and no
// leaked descriptor after many launches.

#include <dirent.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vcl.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstring>
#include <thread>

#include "temp_folder.h"

namespace {

struct Record {
  std::string Cwd;
  std::vector<std::string> Argv;
};

// The records print_args appended to Path ("<length>:<bytes>" fields).
std::vector<Record> ReadRecords(const std::string& Path) {
  gchar* Text = nullptr;
  gsize Size = 0;
  std::vector<Record> Records;
  if (!g_file_get_contents(Path.c_str(), &Text, &Size, nullptr)) return Records;
  const std::string_view All(Text, Size);
  std::size_t I = 0;
  while (I < All.size()) {
    Record R;
    std::vector<std::string> Fields;
    while (I < All.size() && All[I] != '\n') {
      const std::size_t Colon = All.find(':', I);
      const std::size_t Length = std::stoul(std::string(All.substr(I, Colon - I)));
      Fields.emplace_back(All.substr(Colon + 1, Length));
      I = Colon + 1 + Length;
    }
    ++I;
    R.Cwd = Fields.at(0);
    R.Argv.assign(Fields.begin() + 1, Fields.end());
    Records.push_back(std::move(R));
  }
  g_free(Text);
  return Records;
}

std::vector<Record> WaitForRecords(const std::string& Path, std::size_t Count) {
  const auto Deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  for (;;) {
    auto Records = ReadRecords(Path);
    if (Records.size() >= Count || std::chrono::steady_clock::now() > Deadline) return Records;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

int OpenDescriptors() {
  int Count = 0;
  DIR* Dir = opendir("/proc/self/fd");
  while (dirent* Entry = readdir(Dir)) Count += Entry->d_name[0] != '.';
  closedir(Dir);
  return Count;
}

// Zombie children of this process, by the process table.
int ZombieChildren() {
  int Count = 0;
  DIR* Proc = opendir("/proc");
  while (dirent* Entry = readdir(Proc)) {
    gchar* Stat = nullptr;
    const std::string Path = std::string("/proc/") + Entry->d_name + "/stat";
    if (!g_file_get_contents(Path.c_str(), &Stat, nullptr, nullptr)) continue;
    const char* AfterName = std::strrchr(Stat, ')');
    char State = 0;
    int Parent = 0;
    if (AfterName && std::sscanf(AfterName + 1, " %c %d", &State, &Parent) == 2 &&
        Parent == getpid() && State == 'Z')
      ++Count;
    g_free(Stat);
  }
  closedir(Proc);
  return Count;
}

// True while this process has a child, running or ended but not reaped;
// WNOWAIT leaves an ended one unreaped, for the code under test to reap.
bool HasChildren() {
  siginfo_t Info{};
  return waitid(P_ALL, 0, &Info, WEXITED | WNOHANG | WNOWAIT) == 0;
}

// The menu's main loop reaps the children as they end: runs it, as the
// menu would, until no child is left (or a deadline passes).
void RunUntilReaped() {
  const auto Deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (HasChildren() && std::chrono::steady_clock::now() < Deadline)
    g_main_context_iteration(nullptr, FALSE);
}

class ShellTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_NE(getcwd(StartDir, sizeof StartDir), nullptr);
    Out = Temp / "records";
    g_setenv("PRINT_ARGS_OUT", Out.c_str(), TRUE);
  }
  void TearDown() override {
    RunUntilReaped();
    EXPECT_FALSE(HasChildren());
    ASSERT_EQ(chdir(StartDir), 0);
  }

  // Copies print_args to Dir/Name and returns its path.
  std::string Program(const std::string& Dir, const std::string& Name) {
    g_mkdir_with_parents(Dir.c_str(), 0755);
    const std::string Path = Dir + "/" + Name;
    std::filesystem::copy_file(PRINT_ARGS, Path);
    g_chmod(Path.c_str(), 0755);
    return Path;
  }

  static long Open(const std::string& File, const char* Parameters, const char* Directory = nullptr,
                   const char* Operation = "open") {
    return reinterpret_cast<long>(
        ShellExecuteA(nullptr, Operation, Ansi(File).c_str(), Parameters, Directory, SW_SHOWNORMAL));
  }

  TempFolder Temp;
  std::string Out;
  char StartDir[PATH_MAX];
};

TEST_F(ShellTest, ArgumentsAreSplitByTheWindowsRulesAndReachTheProgramExactly) {
  const std::string Exe = Program(Temp.Path, "Setup.exe");
  struct Case {
    const char* Parameters;
    std::vector<std::string> Expected;
  };
  const Case Cases[] = {
      {"", {}},
      {"   ", {}},
      {" /settings \"/disc/Microsoft SQL Server 2005 Express(32)/setup.ini\" ",
       {"/settings", "/disc/Microsoft SQL Server 2005 Express(32)/setup.ini"}},
      {"a\tb  c", {"a", "b", "c"}},
      {"\"a b\"c d", {"a bc", "d"}},
      {R"("say \"hi\"" x)", {R"(say "hi")", "x"}},
      {R"("a""b")", {R"(a"b)"}},
      {R"(C:\dir\ "C:\dir\\" \\server\share)", {R"(C:\dir\)", R"(C:\dir\)", R"(\\server\share)"}},
      {R"(a\\\"b)", {R"(a\"b)"}},
      {"$(touch PWNED) `touch PWNED` ; touch PWNED | x & y > PWNED",
       {"$(touch", "PWNED)", "`touch", "PWNED`", ";", "touch", "PWNED", "|", "x", "&", "y", ">", "PWNED"}},
      {"\"line\none\" two\nthree", {"line\none", "two\nthree"}},
      {"\"unterminated quote", {"unterminated quote"}},
      {"安装 \"数据库 服务\"", {Utf8(u8"安装"), Utf8(u8"数据库 服务")}},
  };
  ASSERT_EQ(chdir(Temp.Path.c_str()), 0);
  std::size_t Count = 0;
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Parameters);
    EXPECT_GT(Open(Exe, C.Parameters), 32);
    const auto Records = WaitForRecords(Out, ++Count);
    ASSERT_EQ(Records.size(), Count);
    std::vector<std::string> Expected{Exe};
    Expected.insert(Expected.end(), C.Expected.begin(), C.Expected.end());
    EXPECT_EQ(Records.back().Argv, Expected);
    EXPECT_EQ(Records.back().Cwd, Temp.Path);  // inherited
  }
  EXPECT_FALSE(g_file_test((Temp / "PWNED").c_str(), G_FILE_TEST_EXISTS));
}

TEST_F(ShellTest, AProgramWhosePathHoldsQuotesAndShellSyntaxRunsItself) {
  const std::string Dir = Temp / Utf8(u8"it's \"odd\" $(touch PWNED); `x`\n光盘");
  const std::string Exe = Program(Dir, "Setup.exe");
  EXPECT_GT(Open(Exe, "x"), 32);
  const auto Records = WaitForRecords(Out, 1);
  ASSERT_EQ(Records.size(), 1u);
  EXPECT_EQ(Records[0].Argv, (std::vector<std::string>{Exe, "x"}));
  EXPECT_FALSE(g_file_test((Temp / "PWNED").c_str(), G_FILE_TEST_EXISTS));
}

// The database entry's settings argument, whatever a Linux path holds
// (quotes, backslashes before them), reaches the setup as two arguments.
TEST_F(ShellTest, TheSettingsArgumentOfAnyPathArrivesAsTwoArguments) {
  const std::string Exe = Program(Temp.Path, "Setup.exe");
  const std::string Folders[] = {
      Utf8(u8"光盘 (32)"), "say \"hi\"", "back\\\"slash\\", "\\\\\"", "trailing\\",
  };
  std::size_t Count = 0;
  for (const std::string& Folder : Folders) {
    SCOPED_TRACE(Folder);
    const std::string Ini = Temp / Folder + "/setup.ini";
    const AnsiString Parameters = " /settings " + QuotedArgument(Ansi(Ini)) + " ";
    EXPECT_GT(Open(Exe, Parameters.c_str()), 32);
    const auto Records = WaitForRecords(Out, ++Count);
    ASSERT_EQ(Records.size(), Count);
    EXPECT_EQ(Records.back().Argv, (std::vector<std::string>{Exe, "/settings", Ini}));
  }
}

TEST_F(ShellTest, TheDirectoryArgumentIsTheWorkingDirectory) {
  const std::string Exe = Program(Temp.Path, "Setup.exe");
  const std::string Dir = Temp / Utf8(u8"工作 目录");
  g_mkdir(Dir.c_str(), 0755);
  EXPECT_GT(Open(Exe, "", Ansi(Dir).c_str()), 32);
  const auto Records = WaitForRecords(Out, 1);
  ASSERT_EQ(Records.size(), 1u);
  EXPECT_EQ(Records[0].Cwd, Dir);
}

TEST_F(ShellTest, TheProgramGetsItsOwnSession) {
  // Field 6 of /proc/PID/stat is the session id.
  const std::string Script = Temp / "session.sh";
  MakeFile(Script, "#!/bin/sh\necho $(cut -d' ' -f6 /proc/$$/stat) $$ > \"$1.new\"\nmv \"$1.new\" \"$1\"\n", 0755);
  const std::string Report = Temp / "session";
  EXPECT_GT(Open(Script, Ansi("\"" + Report + "\"").c_str()), 32);
  gchar* Text = nullptr;
  const auto Deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (!g_file_get_contents(Report.c_str(), &Text, nullptr, nullptr) &&
         std::chrono::steady_clock::now() < Deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  ASSERT_NE(Text, nullptr);
  int Session = 0, Pid = 0;
  ASSERT_EQ(std::sscanf(Text, "%d %d", &Session, &Pid), 2);
  EXPECT_EQ(Session, Pid);
  EXPECT_NE(Session, getsid(0));
  g_free(Text);
}

TEST_F(ShellTest, FailuresToStartAreReportedAndStartNothing) {
  EXPECT_EQ(Open(Temp / "missing/Setup.exe", ""), 2);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ENOENT));
  EXPECT_EQ(Open(Program(Temp.Path, "Setup.exe"), "", nullptr, "print"), 31);
  EXPECT_EQ(reinterpret_cast<long>(ShellExecuteA(nullptr, "open", nullptr, "", nullptr, 1)), 2);
  // A script whose interpreter is missing: the system's reason, in words.
  const std::string Script = Temp / "Setup.sh";
  MakeFile(Script, "#!/nonexistent/interpreter\n", 0755);
  EXPECT_LE(Open(Script, ""), 32);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ENOENT));
  EXPECT_EQ(SysErrorMessage(GetLastError()), Ansi(g_strerror(ENOENT)));
  EXPECT_TRUE(ReadRecords(Out).empty());
  EXPECT_FALSE(HasChildren());  // nothing was started, so nothing is left to reap
}

// The opener is found on the absolute folders of PATH only: a relative or
// empty entry would name a folder of the disc, the current directory. An
// opener that ends with failure is a failure to start.
TEST_F(ShellTest, TheOpenerComesFromAnAbsoluteFolderAndItsFailureIsReported) {
  const std::string Document = Temp / "readme.txt";
  MakeFile(Document, "readme");
  // A false opener in the current directory, and a failing one on PATH.
  const std::string Disc = Temp / "disc";
  Program(Disc, "xdg-open");
  const std::string Bin = Temp / "bin";
  g_mkdir(Bin.c_str(), 0755);
  MakeFile(Bin + "/xdg-open", "#!/bin/sh\nexit 4\n", 0755);
  const std::string Path = g_getenv("PATH");
  ASSERT_EQ(chdir(Disc.c_str()), 0);
  g_setenv("PATH", "::.:disc", TRUE);
  const long NoOpener = Open(Document, "");
  g_setenv("PATH", ("::.:disc:" + Bin).c_str(), TRUE);
  const long Failed = Open(Document, "");
  const DWORD Error = GetLastError();
  g_setenv("PATH", Path.c_str(), TRUE);
  EXPECT_LE(NoOpener, 32);
  EXPECT_LE(Failed, 32);
  EXPECT_EQ(Error, 0u);  // the opener gives no reason in words
  EXPECT_TRUE(ReadRecords(Out).empty()) << "the opener in the current directory ran";
}

TEST_F(ShellTest, OtherFilesAreHandedToTheDesktopsOpener) {
  // A stand-in xdg-open, first on PATH, that records what it was given.
  const std::string Bin = Temp / "bin";
  Program(Bin, "xdg-open");
  const std::string Path = g_getenv("PATH");
  g_setenv("PATH", (Bin + ":" + Path).c_str(), TRUE);
  const std::string Document = Temp / Utf8(u8"说明 $(x).txt");
  MakeFile(Document, "readme");
  EXPECT_GT(Open(Document, "ignored"), 32);
  EXPECT_GT(Open(Temp.Path, ""), 32);  // a folder, too
  // An executable file this system cannot run itself: a Windows setup.
  const std::string WindowsProgram = Temp / "Setup.exe";
  MakeFile(WindowsProgram, "MZ\x90", 0755);
  EXPECT_GT(Open(WindowsProgram, "/q"), 32);
  const auto Records = WaitForRecords(Out, 3);
  g_setenv("PATH", Path.c_str(), TRUE);
  ASSERT_EQ(Records.size(), 3u);
  // The openers run at the same time: their records come in any order.
  std::vector<std::vector<std::string>> Seen{Records[0].Argv, Records[1].Argv, Records[2].Argv};
  std::ranges::sort(Seen);
  std::vector<std::vector<std::string>> Expected{
      {"xdg-open", Document}, {"xdg-open", Temp.Path}, {"xdg-open", WindowsProgram}};
  std::ranges::sort(Expected);
  EXPECT_EQ(Seen, Expected);
}

TEST_F(ShellTest, AThousandLaunchesLeaveNoZombieAndNoDescriptor) {
  // One launch first: GLib opens what its child watching needs once.
  ASSERT_GT(Open("/bin/true", ""), 32);
  RunUntilReaped();
  const int Descriptors = OpenDescriptors();
  for (int I = 0; I < 1000; ++I) ASSERT_GT(Open("/bin/true", ""), 32);
  RunUntilReaped();
  EXPECT_FALSE(HasChildren());
  EXPECT_EQ(ZombieChildren(), 0);
  EXPECT_EQ(OpenDescriptors(), Descriptors);
}

}  // namespace
