#include <vcl/controls.h>
#include <vcl/forms.h>

#include <algorithm>

#include "backend.h"

namespace vcl {

TControl::TControl(TComponent* AOwner) : TComponent(AOwner) {}

TControl::~TControl() { SetParent(nullptr); }

void TControl::SetParent(TForm* Form) {
  if (ParentForm == Form) return;
  if (ParentForm) std::erase(ParentForm->Stack, this);
  ParentForm = Form;
  if (ParentForm) ParentForm->Stack.push_back(this);
}

void TControl::SetVisible(bool Value) {
  if (Shown == Value) return;
  Shown = Value;
  // Only the control's own area changes its look.
  if (!ParentForm || !ParentForm->Handle()) return;
  const TRect Area = Intersection(BoundsRect(), ParentForm->ClientArea());
  if (!Area.IsEmpty()) backend::InvalidateArea(ParentForm->Handle, Area);
}

}  // namespace vcl
