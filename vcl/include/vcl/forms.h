#pragma once
// TForm and the application object.

#include <vcl/controls.h>
#include <vcl/sysutils.h>

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace vcl {

// What the form resource may refer to by name in a form class: its
// published control fields and its published event handlers. This stands in
// for the run-time type information that the form reader uses to connect
// the resource to the class.
struct TPublishedField {
  const char* Name;
  TImage* TForm::*Field;
};

struct TPublishedMethod {
  using Notify = void (TForm::*)(TObject*);
  using MouseMove = void (TForm::*)(TObject*, TShiftState, int, int);
  const char* Name;
  std::variant<Notify, MouseMove> Method;
};

struct TFormClass {
  const char* ClassName;  // the form resource carries the upper-case name
  std::span<const TPublishedField> Fields;
  std::span<const TPublishedMethod> Methods;
};

template <class Form>
constexpr TPublishedField Published(const char* Name, TImage* Form::*Field) {
  return {Name, static_cast<TImage * TForm::*>(Field)};
}
template <class Form, class... Args>
TPublishedMethod Published(const char* Name, void (Form::*Method)(Args...)) {
  return {Name, static_cast<void (TForm::*)(Args...)>(Method)};
}

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum class TPosition {
  poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly,
  poScreenCenter, poDesktopCenter, poMainFormCenter, poOwnerFormCenter,
};
enum class TFontCharset : std::uint8_t { ANSI_CHARSET = 0, DEFAULT_CHARSET = 1, GB2312_CHARSET = 134 };
enum class TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };

struct TFont {
  AnsiString Name;
  int Height = 0;
  TFontCharset Charset = TFontCharset::DEFAULT_CHARSET;
  TColor Color = clWindowText;
  unsigned Style = 0;  // bit (1 << TFontStyle) per style
};

// A form is built from its form resource, the RCDATA resource named after
// its class in upper case: the resource sets the form's properties, creates
// its controls and connects their events to the class's published handlers.
// A resource that cannot be read raises an Exception and builds nothing.
class TForm : public TControl {
public:
  TForm(TComponent* AOwner, const TFormClass& Class);
  ~TForm() override;

  const TFormClass& Class;

  TFormBorderStyle BorderStyle = TFormBorderStyle::bsSizeable;
  int BorderWidth = 0;  // a band of Color around the client area
  AnsiString Caption;
  int ClientWidth = 0;
  int ClientHeight = 0;
  TColor Color = clBtnFace;
  TPosition Position = TPosition::poDesigned;
  TFont Font;
  int PixelsPerInch = 96;
  int TextHeight = 0;
  bool OldCreateOrder = false;

  // The native window of the form, made when the form is built.
  ReadOnlyProperty<TForm, HWND> Handle;

  // Closes the form; closing the main form ends the application.
  void Close();

  // The client area, (0, 0, ClientWidth, ClientHeight).
  TRect ClientArea() const noexcept { return {0, 0, ClientWidth, ClientHeight}; }

  // The controls on the form, bottom to top.
  std::span<TControl* const> Controls() const noexcept { return Stack; }

private:
  friend class TControl;
  friend struct FormInput;
  void DestroyControls();
  std::vector<TControl*> Stack;  // bottom to top
  // While a button is held: the control it went down on, or the form itself.
  TControl* Captured = nullptr;
};

class TApplication : public TComponent {
public:
  TApplication();
  ~TApplication() override;

  void Initialize();

  // The application's title, shown for its taskbar entry.
  AnsiString Title;

  // Builds a form of class Form, stores it in *Reference and makes the first
  // form created the main form. The application owns the form.
  template <class Form>
  void CreateForm(Form** Reference) {
    auto* Created = new Form(this);
    *Reference = Created;
    if (!MainForm) MainForm = Created;
  }

  // Shows the main form and runs the message loop until it closes.
  void Run();
  // Ends the message loop.
  void Terminate();
  // Terminate was called: the application is ending, though a message box
  // that was open at that moment may only now be returning.
  bool Terminated = false;

  // Reports E to the user in a message box titled with the application's title.
  void ShowException(const Exception* E);

  // A message box owned by the application window; while it is shown every
  // window of the application is disabled. Flags 0: one OK button, no icon.
  int MessageBox(LPCSTR Text, LPCSTR Caption, UINT Flags = MB_OK);

  AnsiString GetExeName() const;
  HWND GetHandle() const;
  // The full path of the program's executable file.
  // The program's full path; an Exception where the system cannot tell it.
  ComputedProperty<TApplication, AnsiString, &TApplication::GetExeName> ExeName{this};
  // The application window, the owner of the application's message boxes.
  ComputedProperty<TApplication, HWND, &TApplication::GetHandle> Handle{this};

  TForm* MainForm = nullptr;
};

extern TApplication* Application;

}  // namespace vcl
