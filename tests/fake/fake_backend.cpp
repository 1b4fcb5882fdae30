// The fake backend: implements the seam over the in-memory World of fake.h.

#include "fake.h"

#include <vcl/forms.h>
#include <vcl/sysutils.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstring>

#include "backend.h"
#include "embedded.h"
#include "events.h"

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
  vcl::Application->Terminated = false;
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

void SetWindowsMajorVersion(int Major) { TheWorld.MajorVersion = Major; }

namespace {

bool OverClient(vcl::TPoint Client) {
  const vcl::TForm* Form = TheWorld.Window;
  return Client.x >= 0 && Client.y >= 0 && Client.x < Form->ClientWidth && Client.y < Form->ClientHeight;
}

vcl::TPoint PointerInClient() {
  return {TheWorld.Cursor.x - TheWorld.ClientOrigin.x, TheWorld.Cursor.y - TheWorld.ClientOrigin.y};
}

// Frames are painted into a plain pixel buffer.
class BufferPainter final : public vcl::core::Painter {
public:
  explicit BufferPainter(Frame& Target) : Out(Target) {}
  void Fill(const vcl::TRect& Area, std::uint32_t Rgb) override {
    for (int Y = Area.Top; Y < Area.Bottom; ++Y)
      for (int X = Area.Left; X < Area.Right; ++X) Set(X, Y, Rgb);
  }
  void Draw(const vcl::TBitmap& Bitmap, vcl::TPoint At, const vcl::TRect& Clip) override {
    for (int Y = Clip.Top; Y < Clip.Bottom; ++Y)
      for (int X = Clip.Left; X < Clip.Right; ++X) Set(X, Y, Bitmap.Pixel(X - At.x, Y - At.y));
  }

private:
  Frame& Out;
  void Set(int X, int Y, std::uint32_t Rgb) {
    // The core promises to stay inside the client area; .at() holds it to that.
    Out.Pixels.at(static_cast<std::size_t>(Y * Out.Width + X)) = Rgb;
  }
};

}  // namespace

void MoveTo(vcl::TPoint Client) {
  TheWorld.Cursor = {TheWorld.ClientOrigin.x + Client.x, TheWorld.ClientOrigin.y + Client.y};
  if (TheWorld.Window && (TheWorld.Captured || OverClient(Client)))
    vcl::core::MouseMove(*TheWorld.Window, {}, Client);
}

void Press() {
  const vcl::TPoint Client = PointerInClient();
  if (TheWorld.Window && OverClient(Client))
    vcl::core::MouseDown(*TheWorld.Window, vcl::TMouseButton::mbLeft, vcl::ssLeft, Client);
}

void Release() {
  const vcl::TPoint Client = PointerInClient();
  if (TheWorld.Window && (TheWorld.Captured || OverClient(Client)))
    vcl::core::MouseUp(*TheWorld.Window, vcl::TMouseButton::mbLeft, {}, Client);
}

void ClickHere() {
  Press();
  Release();
}

Frame Paint() {
  const vcl::TForm& Form = *TheWorld.Window;
  Frame Result{Form.ClientWidth, Form.ClientHeight, {}};
  Result.Pixels.assign(static_cast<std::size_t>(Result.Width * Result.Height), 0xDEADBE);
  BufferPainter Painter(Result);
  vcl::core::Paint(*TheWorld.Window, Painter, Form.ClientArea());
  return Result;
}

}  // namespace fake

namespace vcl::backend {

using fake::TheWorld;

struct RegistrySession {};

AnsiString TextFromUtf8(std::string_view Utf8) { return AnsiString(std::string_view(fake::Gb18030FromUtf8(Utf8))); }

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

int WindowsMajorVersion() { return TheWorld.MajorVersion; }

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

ShellOutcome StartShellOperation(HWND Owner, const char* Operation, const char* File,
                                 const char* Parameters, const char* Directory, int ShowCommand) {
  auto Optional = [](const char* Text) {
    return Text ? std::optional<std::string>(Text) : std::nullopt;
  };
  TheWorld.Launches.push_back({Owner, Operation ? Operation : "", File ? File : "",
                               Optional(Parameters), Optional(Directory), ShowCommand,
                               TheWorld.CurrentDir});
  return {TheWorld.ShellResult, TheWorld.ShellError};
}

// "系统原因 N": enough to see which code's words reached the user.
AnsiString SystemErrorText(DWORD Error) {
  if (Error == 0) return {};
  return AnsiString(std::string_view("系统原因 " + std::to_string(Error)));
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

TRect PrimaryWorkArea() { return TheWorld.WorkArea; }

HWND CreateFormWindow(TForm& Form) {
  static std::uintptr_t Next = 0xF00;
  TheWorld.Window = &Form;
  TheWorld.WindowPlace =
      core::WindowPlace(Form, Form.ClientWidth + 2 * Form.BorderWidth, Form.ClientHeight + 2 * Form.BorderWidth,
                        PrimaryWorkArea());
  return reinterpret_cast<HWND>(++Next);
}

void DestroyFormWindow(HWND Window) {
  if (TheWorld.Window && TheWorld.Window->Handle == Window) TheWorld.Window = nullptr;
}

void RunMessageLoop(TForm&) {
  ++TheWorld.LoopRuns;
  if (TheWorld.Session) TheWorld.Session();
}

void QuitMessageLoop() { TheWorld.QuitRequested = true; }

std::span<const std::uint8_t> ProgramResource(const char* Name) {
  if (auto Found = TheWorld.Resources.find(Name); Found != TheWorld.Resources.end()) return Found->second;
  for (const TEmbeddedResource* R = EmbeddedResources; R->Name; ++R)
    if (std::strcmp(R->Name, Name) == 0) return {R->Data, R->Size};
  return {};
}

TPoint CursorPos() { return TheWorld.Cursor; }

TPoint ClientOrigin(HWND) { return TheWorld.ClientOrigin; }

void CaptureMouse(HWND) { TheWorld.Captured = true; }

void ReleaseMouse() { TheWorld.Captured = false; }

void InvalidateArea(HWND, const TRect& Area) { TheWorld.Invalidated.push_back(Area); }

std::uint32_t SystemColor(int Index) {
  constexpr int COLOR_MENU = 4;
  return Index == COLOR_MENU ? fake::MenuColor : 0x000000;
}

}  // namespace vcl::backend
