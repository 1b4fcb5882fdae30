// Where a form's window goes on the screen, the same on every platform.
//
// The centred positions centre the window in the primary screen's work
// area, where no taskbar or panel covers it. The menu has one form, with no
// owner and no main form before it, so centring on the main form or the
// owner falls back to the screen, as it does for such a form on Windows;
// the desktop of several screens is taken as the primary one. The other
// positions keep the form's own Left and Top.

#include "events.h"

namespace vcl::core {

TPoint WindowPlace(const TForm& Form, int Width, int Height, const TRect& WorkArea) {
  switch (Form.Position) {
    case TPosition::poScreenCenter:
    case TPosition::poDesktopCenter:
    case TPosition::poMainFormCenter:
    case TPosition::poOwnerFormCenter:
      return {WorkArea.Left + (WorkArea.Width() - Width) / 2, WorkArea.Top + (WorkArea.Height() - Height) / 2};
    default:
      return {Form.Left, Form.Top};
  }
}

}  // namespace vcl::core
