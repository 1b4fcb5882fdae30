// The fake backend: implements the seam over the in-memory World of fake.h.

#include "fake.h"

#include <vcl/sysutils.h>

#include <algorithm>
#include <cctype>
#include <cstdint>

#include "backend.h"

namespace fake {

namespace {

World TheWorld;

// A folder path without its trailing delimiter, unless it is a root.
std::string Folder(std::string Path) {
  while (Path.size() > 1 && Path.back() == vcl::PathDelim &&
         !(vcl::DriveDelim && Path[Path.size() - 2] == vcl::DriveDelim))
    Path.pop_back();
  return Path;
}

std::string Lower(std::string Text) {
  std::ranges::transform(Text, Text.begin(), [](unsigned char C) { return std::tolower(C); });
  return Text;
}

}  // namespace

World& State() { return TheWorld; }

void Reset() {
  TheWorld = World{};
  vcl::Win32MajorVersion = vcl::backend::WindowsMajorVersion();
}

void AddFolder(const std::string& Path) {
  std::string Dir = Folder(Path);
  while (!Dir.empty()) {
    TheWorld.Folders.insert(Dir);
    const std::string Parent = Folder(vcl::ExtractFileDir(Dir.c_str()).c_str());
    if (Parent == Dir) break;
    Dir = Parent;
  }
}

void AddFile(const std::string& Path) {
  TheWorld.Files.insert(Path);
  AddFolder(vcl::ExtractFileDir(Path.c_str()).c_str());
}

void SetWindowsMajorVersion(int Major) { vcl::Win32MajorVersion = Major; }

}  // namespace fake

namespace vcl::backend {

using fake::TheWorld;

struct RegistrySession {};

AnsiString ExecutablePath() { return TheWorld.ExePath.c_str(); }

bool ChangeCurrentDir(const AnsiString& Dir) {
  TheWorld.DirChanges.push_back(Dir.c_str());
  if (!TheWorld.Folders.contains(fake::Folder(Dir.c_str()))) return false;
  TheWorld.CurrentDir = Dir.c_str();
  return true;
}

bool IsFile(const AnsiString& Path) {
  TheWorld.FileQueries.push_back(Path.c_str());
  return TheWorld.Files.contains(Path.c_str());
}

int WindowsMajorVersion() { return 10; }

RegistrySession* OpenRegistry() {
  ++TheWorld.OpenRegistrySessions;
  return new RegistrySession;
}

bool KeyExists(RegistrySession&, HKEY Root, const AnsiString& Key) {
  TheWorld.RegistryQueries.push_back(Key.c_str());
  if (Root != HKEY_LOCAL_MACHINE) return false;
  // A key exists when it was added or lies on the way to one that was.
  const std::string Wanted = fake::Lower(Key.c_str());
  for (const auto& [Name, State] : TheWorld.Keys) {
    const bool OnTheWay = Name == Wanted || (Name.starts_with(Wanted) && Name[Wanted.size()] == '\\');
    if (OnTheWay) return State == fake::Key::Present;
  }
  return false;
}

void CloseRegistry(RegistrySession* Session) {
  --TheWorld.OpenRegistrySessions;
  delete Session;
}

int StartShellOperation(HWND Owner, const char* Operation, const char* File, const char* Parameters,
                        const char* Directory, int ShowCommand) {
  auto Optional = [](const char* Text) {
    return Text ? std::optional<std::string>(Text) : std::nullopt;
  };
  TheWorld.Launches.push_back({Owner, Operation ? Operation : "", File ? File : "",
                               Optional(Parameters), Optional(Directory), ShowCommand,
                               TheWorld.CurrentDir});
  return 42;
}

int ApplicationMessageBox(const char* Text, const char* Caption, UINT Flags) {
  TheWorld.Boxes.push_back({fake::BoxKind::Application, fake::ApplicationHandle, Text, Caption, Flags});
  return IDOK;
}

int OwnedMessageBox(HWND Owner, const char* Text, const char* Caption, UINT Flags) {
  TheWorld.Boxes.push_back({fake::BoxKind::Owned, Owner, Text, Caption, Flags});
  if (TheWorld.Answers.empty()) return 0;
  auto Answer = std::move(TheWorld.Answers.front());
  TheWorld.Answers.pop_front();
  return Answer();
}

HWND ApplicationWindow() { return fake::ApplicationHandle; }

HWND CreateFormWindow(TForm&) {
  static std::uintptr_t Next = 0xF00;
  return reinterpret_cast<HWND>(++Next);
}

void DestroyFormWindow(HWND) {}

void RunMessageLoop(TForm&) {}

void QuitMessageLoop() { TheWorld.QuitRequested = true; }

}  // namespace vcl::backend
