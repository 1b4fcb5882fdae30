#pragma once
// Writes a form as the binary form stream that Delphi and C++Builder put
// into executables:
//
//   "TPF0" object
//   object   = class name, object name, properties, 0, child objects, 0
//   property = name, tagged value
//
// Names are short strings (a length byte, at most 255 bytes). Values are
// tagged: integers as 2/3/4 (8, 16 or 32 bits, the smallest that holds
// them), identifiers 7, False 8, True 9, binary 10 (u32 length), sets 11
// (names ended by an empty name), ASCII text 6 (a short string), other
// text 20 (u32 byte count, UTF-8). Every number is little-endian.

#include "form_object.h"

#include <string>

namespace formc {

// The stream's bytes; throws FormError for a name or short string longer
// than 255 bytes.
std::string WriteFormStream(const FormObject& Form);

}  // namespace formc
