#include "pictures.h"

#include "files.h"
#include "form_error.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace formc {

namespace {

const std::string_view GraphicClass = "TBitmap";

FormObject* FindDescendant(FormObject& Parent, std::string_view Name) {
  for (FormObject& Child : Parent.Children) {
    if (Child.Name == Name) return &Child;
    if (FormObject* Found = FindDescendant(Child, Name)) return Found;
  }
  return nullptr;
}

void AppendU32(std::string& Out, std::uint32_t Value) {
  for (int Shift = 0; Shift < 32; Shift += 8) Out += static_cast<char>(Value >> Shift & 0xFF);
}

}  // namespace

void AttachPicture(FormObject& Form, std::string_view Control, const std::string& BmpPath) {
  FormObject* Target = FindDescendant(Form, Control);
  if (!Target)
    throw FormError(Form.Line, "no control " + std::string(Control) + " in " + Form.Name + " for the picture " + BmpPath);
  auto& Properties = Target->Properties;
  if (std::ranges::any_of(Properties, [](const Property& P) { return P.Name == "Picture.Data"; }))
    throw FormError(Target->Line, Target->Name + " already has a picture; " + BmpPath + " is one too many");
  std::string Bmp;
  try {
    Bmp = tools::ReadWholeFile(BmpPath);
  } catch (const std::runtime_error& E) {
    throw FormError(Target->Line, std::string("picture of ") + Target->Name + ": " + E.what());
  }
  if (!Bmp.starts_with("BM")) throw FormError(Target->Line, BmpPath + " is not a BMP file");
  // Picture.Data's own length counts the class name and the size field too.
  constexpr std::size_t Overhead = 1 + GraphicClass.size() + 4;
  if (Bmp.size() > std::numeric_limits<std::uint32_t>::max() - Overhead)
    throw FormError(Target->Line, BmpPath + " is too large for a form");

  Binary Data;
  Data.Bytes.reserve(Overhead + Bmp.size());
  Data.Bytes += static_cast<char>(GraphicClass.size());
  Data.Bytes += GraphicClass;
  AppendU32(Data.Bytes, static_cast<std::uint32_t>(Bmp.size()));
  Data.Bytes += Bmp;

  auto Height = std::ranges::find(Properties, std::string_view("Height"), &Property::Name);
  const int Line = Height != Properties.end() ? Height->Line : Target->Line;
  const auto Where = Height != Properties.end() ? Height + 1 : Properties.end();
  Properties.insert(Where, Property{"Picture.Data", std::move(Data), Line});
}

}  // namespace formc
