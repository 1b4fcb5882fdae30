// Mouse input routing and painting, the same for every backend: the control
// under the pointer is the topmost visible one; a pressed button captures
// the pointer for the control it went down on until it is released; a
// release inside that control is its click.

#include "events.h"

#include <vcl/winapi.h>

#include <exception>

#include "backend.h"

namespace vcl {

// The form's capture state, kept in the form and changed only here.
struct FormInput {
  static TControl*& Captured(TForm& Form) { return Form.Captured; }
};

}  // namespace vcl

namespace vcl::core {

namespace {

TControl* ControlAt(TForm& Form, TPoint At) {
  const TRect Client = Form.ClientArea();
  if (!PtInRect(&Client, At)) return nullptr;
  const auto Stack = Form.Controls();
  for (auto It = Stack.rbegin(); It != Stack.rend(); ++It) {
    TControl* Control = *It;
    const TRect Bounds = Control->BoundsRect();
    if (Control->Visible && PtInRect(&Bounds, At)) return Control;
  }
  return &Form;
}

TPoint Local(const TForm& Form, const TControl& Control, TPoint At) {
  if (&Control == &Form) return At;
  return {At.x - Control.Left, At.y - Control.Top};
}

// Runs an event handler; an exception it raises is reported to the user
// and the program goes on, as the message loop of the platform does.
template <class Handler>
void Dispatch(Handler&& Run) {
  try {
    Run();
  } catch (const Exception& E) {
    Application->ShowException(&E);
  } catch (const std::exception& E) {
    const Exception Wrapped(E.what());
    Application->ShowException(&Wrapped);
  }
}

}  // namespace

void MouseDown(TForm& Form, TMouseButton, TShiftState, TPoint At) {
  TControl*& Captured = FormInput::Captured(Form);
  if (Captured) return;  // a second button while one is held
  TControl* Target = ControlAt(Form, At);
  if (!Target) return;
  Captured = Target;
  backend::CaptureMouse(Form.Handle);
}

void MouseMove(TForm& Form, TShiftState Shift, TPoint At) {
  TControl* Captured = FormInput::Captured(Form);
  TControl* Target = Captured ? Captured : ControlAt(Form, At);
  if (!Target || !Target->OnMouseMove) return;
  const TPoint P = Local(Form, *Target, At);
  Dispatch([&] { Target->OnMouseMove(Target, Shift, P.x, P.y); });
}

void MouseUp(TForm& Form, TMouseButton Button, TShiftState, TPoint At) {
  TControl*& Captured = FormInput::Captured(Form);
  TControl* Pressed = Captured;
  if (!Pressed) return;
  Captured = nullptr;
  backend::ReleaseMouse();
  const TRect Bounds = Pressed == &Form ? Form.ClientArea() : Pressed->BoundsRect();
  if (Button != TMouseButton::mbLeft || !PtInRect(&Bounds, At) || !Pressed->OnClick) return;
  Dispatch([&] { Pressed->OnClick(Pressed); });
}

void CancelMode(TForm& Form) { FormInput::Captured(Form) = nullptr; }

void Paint(TForm& Form, Painter& Target, const TRect& Area) {
  const TRect Dirty = Intersection(Area, Form.ClientArea());
  if (Dirty.IsEmpty()) return;
  Target.Fill(Dirty, ColorToRGB(Form.Color));
  for (TControl* Control : Form.Controls()) {
    const auto* Image = dynamic_cast<const TImage*>(Control);
    if (!Image || !Image->Visible) continue;
    const TBitmap& Bitmap = Image->Picture.Bitmap;
    if (Bitmap.Empty()) continue;
    const TRect Picture{Image->Left, Image->Top, Image->Left + Bitmap.Width, Image->Top + Bitmap.Height};
    const TRect Clip = Intersection(Intersection(Picture, Image->BoundsRect()), Dirty);
    if (!Clip.IsEmpty()) Target.Draw(Bitmap, {Image->Left, Image->Top}, Clip);
  }
}

std::uint32_t ColorToRGB(TColor Color) {
  const auto Bits = static_cast<std::uint32_t>(Color);
  if ((Bits & 0xFF000000u) == static_cast<std::uint32_t>(clSystemColor))
    return backend::SystemColor(static_cast<int>(Bits & 0xFF));
  return (Bits & 0xFF) << 16 | (Bits & 0xFF00) | (Bits >> 16 & 0xFF);
}

}  // namespace vcl::core
