#pragma once
// Builds a form from its parsed form stream: sets the form's properties,
// creates its controls with theirs, and connects events to the handlers and
// controls to the fields that the form's class publishes.

#include <vcl/forms.h>

#include "form_stream.h"

namespace vcl::core {

// Raises an Exception naming the object, the property and its offset for
// anything the form or its class does not know: another class, an unknown
// property, a value of the wrong kind or out of range, a handler or field
// the class does not publish, a published field left unset, a picture that
// cannot be read. The controls made before the failure stay on the form;
// the caller destroys them.
void LoadForm(TForm& Form, const StreamObject& Root);

}  // namespace vcl::core
