#include <vcl/forms.h>

#include <cctype>
#include <string>

#include "backend.h"
#include "form_loader.h"
#include "form_stream.h"

namespace vcl {

namespace {

// The resource a form class is read from: its name in upper case.
std::string ResourceName(const char* ClassName) {
  std::string Name = ClassName;
  for (char& C : Name) C = static_cast<char>(std::toupper(static_cast<unsigned char>(C)));
  return Name;
}

}  // namespace

TForm::TForm(TComponent* AOwner, const TFormClass& FormClass) : TControl(AOwner), Class(FormClass) {
  const std::string Resource = ResourceName(Class.ClassName);
  const auto Stream = backend::ProgramResource(Resource.c_str());
  if (Stream.empty()) throw Exception(AnsiString(("Resource " + Resource + " not found").c_str()));
  try {
    core::LoadForm(*this, core::ParseFormStream(Stream));
    Handle = backend::CreateFormWindow(*this);
  } catch (...) {
    // This destructor will not run: take down the controls made so far
    // while the control list they leave is still here.
    DestroyControls();
    throw;
  }
}

TForm::~TForm() {
  DestroyControls();
  backend::DestroyFormWindow(Handle);
  if (Application->MainForm == this) Application->MainForm = nullptr;
}

void TForm::DestroyControls() {
  while (!Stack.empty()) delete Stack.back();
}

void TForm::Close() {
  if (Application->MainForm == this) Application->Terminate();
}

}  // namespace vcl
