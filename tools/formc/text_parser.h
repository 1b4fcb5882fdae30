#pragma once
// Reads a form in Delphi's text-form syntax:
//
//   object Name: Class
//     Property = value        (Dotted.Name = value for nested properties)
//     object Child: Class ... end
//   end
//
// Values: integers, identifiers, False and True, strings ('text' with ''
// for a quote, #nnn for a character, joined without spaces) and sets of
// names ([] or [a, b]). Properties come before the child objects, as in
// every form Delphi writes.

#include "form_object.h"

#include <string_view>

namespace formc {

// The root object of Source; throws FormError at the first fault.
FormObject ParseTextForm(std::string_view Source);

}  // namespace formc
