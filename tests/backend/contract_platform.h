#pragma once
// What the backend contract test needs of the platform under test, written
// with the platform's own calls and never with the backend's, so that each
// side of a check is made independently: a scratch folder, registry keys,
// the version the system reports, and a window's and a message box's state
// as the platform sees them. One implementation per platform
// (tests/gtk/contract_platform.cpp, tests/win32/contract_platform.cpp).

#include <vcl/ansistring.h>
#include <vcl/forms.h>
#include <vcl/types.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace contract {

// Prepares the platform for the whole run (a display, a registry to write
// to) before the first test, and the version the run's system reports.
void StartPlatform(int& Argc, char** Argv);

// A fresh folder for one test, removed with everything in it afterwards.
// Names are UTF-8 and relative to the folder, with '/' between folders;
// the paths returned are the layer's (code page 936 bytes, the platform's
// delimiter), converted by the test and not by the backend.
class Scratch {
public:
  Scratch();
  ~Scratch();
  Scratch(const Scratch&) = delete;
  Scratch& operator=(const Scratch&) = delete;
  vcl::AnsiString MakeFolder(std::string_view Name) const;
  vcl::AnsiString MakeFile(std::string_view Name) const;
  vcl::AnsiString PathOf(std::string_view Name) const;  // made neither

private:
  struct Native;
  std::unique_ptr<Native> Folder;
};

// The current directory and the running executable, as the platform tells
// them, in the layer's bytes.
vcl::AnsiString CurrentFolder();
vcl::AnsiString OwnExecutable();

// Registry keys under HKEY_LOCAL_MACHINE\SOFTWARE made for one test in one
// view of the registry, and removed afterwards. Name is UTF-8, below the
// returned base key (without a leading backslash, as KeyExists takes it).
enum class View { Native, Only64, Only32 };
class ScratchKeys {
public:
  ScratchKeys();
  ~ScratchKeys();
  ScratchKeys(const ScratchKeys&) = delete;
  ScratchKeys& operator=(const ScratchKeys&) = delete;
  void Make(std::string_view Name, View In);
  // The base key all of them lie under, as the layer spells it.
  vcl::AnsiString Base() const;

private:
  struct Native;
  std::unique_ptr<Native> Keys;
};

// The major version of the Windows the backend is to report, as the
// platform gives it.
int ExpectedWindowsMajorVersion();

// Runs the message loop with Form's window shown; WhileShown runs once the
// window is on the screen, after which the loop ends.
void WhileShown(vcl::TForm& Form, const std::function<void()>& WhileShown);
// The top-left corner of Window (band included) on the screen, as the
// platform tells it.
vcl::TPoint WindowCorner(vcl::HWND Window);
// The screen's size, as the platform tells it.
vcl::TPoint ScreenSize();
// Makes Probe run while the next message box is shown, and then answers it
// with Button (IDOK, IDYES, IDNO).
void WhileTheNextBoxIsShown(const std::function<void()>& Probe, int Button);
// Whether Window takes the user's input now.
bool TakesInput(vcl::HWND Window);

}  // namespace contract
