#include <vcl/forms.h>

#include "backend.h"

namespace vcl {

TForm::TForm(TComponent* AOwner, const TFormClass& FormClass) : TControl(AOwner), Class(FormClass) {
  Name = FormClass.ClassName;
  Handle = backend::CreateFormWindow(*this);
}

TForm::~TForm() {
  backend::DestroyFormWindow(Handle);
  if (Application->MainForm == this) Application->MainForm = nullptr;
}

void TForm::Close() {
  if (Application->MainForm == this) Application->Terminate();
}

}  // namespace vcl
