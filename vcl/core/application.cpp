#include <vcl/forms.h>

#include "backend.h"

namespace vcl {

namespace {
TApplication TheApplication;
}  // namespace

TApplication* Application = &TheApplication;

TApplication::TApplication() : TComponent(nullptr) {}

// The forms go first, while the application they tell of their end is whole.
TApplication::~TApplication() {
  while (MainForm) delete MainForm;
}

void TApplication::Initialize() {}

void TApplication::Run() {
  if (MainForm) backend::RunMessageLoop(*MainForm);
}

void TApplication::Terminate() {
  Terminated = true;
  backend::QuitMessageLoop();
}

void TApplication::ShowException(const Exception* E) {
  MessageBox(E->Message.c_str(), Title.c_str(), MB_OK | MB_ICONSTOP);
}

int TApplication::MessageBox(LPCSTR Text, LPCSTR Caption, UINT Flags) {
  return backend::ApplicationMessageBox(Text ? Text : "", Caption ? Caption : "", Flags);
}

// Every setup's path derives from this one: a program that cannot tell it
// says so, rather than look for the setups somewhere else.
AnsiString TApplication::GetExeName() const {
  AnsiString Path = backend::ExecutablePath();
  if (Path.IsEmpty()) throw Exception("无法确定菜单程序所在的文件夹，无法启动任何安装程序。");
  return Path;
}

HWND TApplication::GetHandle() const { return backend::ApplicationWindow(); }

}  // namespace vcl
