#pragma once
// Gives picture controls their pictures: a Picture.Data property holding a
// BMP file, the way Delphi stores a TImage's bitmap in a form.

#include "form_object.h"

#include <string>
#include <string_view>

namespace formc {

// Adds Picture.Data, holding the BMP file at BmpPath, to the object named
// Control among Form's descendants, right after its Height (or after its
// last property if it has no Height). Throws FormError if there is no such
// control, it already has a picture, or the file cannot be read, is not a
// BMP file or is too large.
void AttachPicture(FormObject& Form, std::string_view Control, const std::string& BmpPath);

}  // namespace formc
