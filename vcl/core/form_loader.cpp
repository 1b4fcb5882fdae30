#include "form_loader.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

#include "backend.h"
#include "bitmap.h"

namespace vcl::core {

namespace {

[[noreturn]] void Fail(const StreamObject& Object, std::size_t At, const std::string& What) {
  throw Exception(AnsiString(
      ("Form resource, object " + Object.Name + " (offset " + std::to_string(At) + "): " + What).c_str()));
}

// One property being read, with what is needed to say where it failed.
struct Item {
  const StreamObject& Object;
  const StreamProperty& Property;

  [[noreturn]] void Fail(const std::string& What) const {
    core::Fail(Object, Property.Offset, "property " + Property.Name + ": " + What);
  }

  int Integer(int Min, int Max) const {
    const auto* Value = std::get_if<std::int64_t>(&Property.Value);
    if (!Value) Fail("not an integer");
    if (*Value < Min || *Value > Max)
      Fail(std::to_string(*Value) + " is outside " + std::to_string(Min) + ".." + std::to_string(Max));
    return static_cast<int>(*Value);
  }

  bool Boolean() const {
    const auto* Value = std::get_if<bool>(&Property.Value);
    if (!Value) Fail("not True or False");
    return *Value;
  }

  const std::string& Identifier() const {
    const auto* Value = std::get_if<core::Identifier>(&Property.Value);
    if (!Value) Fail("not an identifier");
    return Value->Name;
  }

  // One of Names, as its index.
  template <std::size_t N>
  int OneOf(const std::array<const char*, N>& Names) const {
    const std::string& Name = Identifier();
    for (std::size_t I = 0; I < N; ++I)
      if (Name == Names[I]) return static_cast<int>(I);
    Fail("unknown value " + Name);
  }

  // A short or long string of ASCII text, or UTF-8 text.
  std::string Text() const {
    if (const auto* Value = std::get_if<Utf8Text>(&Property.Value)) return Value->Bytes;
    const auto* Value = std::get_if<std::string>(&Property.Value);
    if (!Value) Fail("not a string");
    if (std::ranges::any_of(*Value, [](char C) { return static_cast<unsigned char>(C) >= 0x80; }))
      Fail("an 8-bit string with non-ASCII characters");
    return *Value;
  }

  TColor Color() const {
    struct Named {
      const char* Name;
      TColor Value;
    };
    static constexpr Named Colors[] = {
        {"clMenu", clMenu}, {"clWindowText", clWindowText}, {"clBtnFace", clBtnFace},
        {"clBlack", clBlack}, {"clWhite", clWhite},
    };
    if (std::holds_alternative<std::int64_t>(Property.Value))
      return Integer(std::numeric_limits<TColor>::min(), std::numeric_limits<TColor>::max());
    const std::string& Name = Identifier();
    for (const Named& C : Colors)
      if (Name == C.Name) return C.Value;
    Fail("unknown colour " + Name);
  }
};

constexpr int MaxCoordinate = 32767;

constexpr std::array BorderStyles = {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow",
                                     "bsSizeToolWin"};
constexpr std::array Positions = {"poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly",
                                  "poScreenCenter", "poDesktopCenter", "poMainFormCenter",
                                  "poOwnerFormCenter"};
constexpr std::array FontStyles = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};

TFontCharset Charset(const Item& I) {
  if (std::holds_alternative<std::int64_t>(I.Property.Value))
    return static_cast<TFontCharset>(I.Integer(0, 255));
  const std::string& Name = I.Identifier();
  if (Name == "DEFAULT_CHARSET") return TFontCharset::DEFAULT_CHARSET;
  if (Name == "ANSI_CHARSET") return TFontCharset::ANSI_CHARSET;
  if (Name == "GB2312_CHARSET") return TFontCharset::GB2312_CHARSET;
  I.Fail("unknown charset " + Name);
}

unsigned FontStyle(const Item& I) {
  const auto* Names = std::get_if<NameSet>(&I.Property.Value);
  if (!Names) I.Fail("not a set");
  unsigned Bits = 0;
  for (const std::string& Name : *Names) {
    const auto Found = std::ranges::find_if(FontStyles, [&](const char* S) { return Name == S; });
    if (Found == FontStyles.end()) I.Fail("unknown font style " + Name);
    Bits |= 1u << (Found - FontStyles.begin());
  }
  return Bits;
}

// The form's published handler of this name, which must take Kind's arguments.
template <class Kind>
Kind Handler(const TForm& Form, const Item& I) {
  const std::string& Name = I.Identifier();
  for (const TPublishedMethod& Method : Form.Class.Methods) {
    if (Name != Method.Name) continue;
    if (const Kind* Found = std::get_if<Kind>(&Method.Method)) return *Found;
    I.Fail("handler " + Name + " takes other arguments");
  }
  I.Fail(std::string(Form.Class.ClassName) + " has no published handler " + Name);
}

void SetFormProperty(TForm& Form, const Item& I) {
  const std::string_view Name = I.Property.Name;
  if (Name == "Left") Form.Left = I.Integer(-MaxCoordinate, MaxCoordinate);
  else if (Name == "Top") Form.Top = I.Integer(-MaxCoordinate, MaxCoordinate);
  else if (Name == "ClientWidth") Form.ClientWidth = I.Integer(0, MaxCoordinate);
  else if (Name == "ClientHeight") Form.ClientHeight = I.Integer(0, MaxCoordinate);
  else if (Name == "BorderWidth") Form.BorderWidth = I.Integer(0, 1000);
  else if (Name == "BorderStyle") Form.BorderStyle = static_cast<TFormBorderStyle>(I.OneOf(BorderStyles));
  else if (Name == "Position") Form.Position = static_cast<TPosition>(I.OneOf(Positions));
  else if (Name == "Caption") Form.Caption = backend::TextFromUtf8(I.Text());
  else if (Name == "Color") Form.Color = I.Color();
  else if (Name == "Font.Charset") Form.Font.Charset = Charset(I);
  else if (Name == "Font.Color") Form.Font.Color = I.Color();
  else if (Name == "Font.Height") Form.Font.Height = I.Integer(-1000, 1000);
  else if (Name == "Font.Name") Form.Font.Name = backend::TextFromUtf8(I.Text());
  else if (Name == "Font.Style") Form.Font.Style = FontStyle(I);
  else if (Name == "OldCreateOrder") Form.OldCreateOrder = I.Boolean();
  else if (Name == "PixelsPerInch") Form.PixelsPerInch = I.Integer(1, 10000);
  else if (Name == "TextHeight") Form.TextHeight = I.Integer(0, 1000);
  else if (Name == "OnMouseMove")
    Form.OnMouseMove = TMouseMoveEvent(&Form, Handler<TPublishedMethod::MouseMove>(Form, I));
  else I.Fail("the form has no such property");
}

void SetImageProperty(TForm& Form, TImage& Image, const Item& I) {
  const std::string_view Name = I.Property.Name;
  if (Name == "Tag") Image.Tag = I.Integer(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
  else if (Name == "Left") Image.Left = I.Integer(-MaxCoordinate, MaxCoordinate);
  else if (Name == "Top") Image.Top = I.Integer(-MaxCoordinate, MaxCoordinate);
  else if (Name == "Width") Image.Width = I.Integer(0, MaxCoordinate);
  else if (Name == "Height") Image.Height = I.Integer(0, MaxCoordinate);
  else if (Name == "Visible") Image.Visible = I.Boolean();
  else if (Name == "OnClick") Image.OnClick = TNotifyEvent(&Form, Handler<TPublishedMethod::Notify>(Form, I));
  else if (Name == "OnMouseMove")
    Image.OnMouseMove = TMouseMoveEvent(&Form, Handler<TPublishedMethod::MouseMove>(Form, I));
  else if (Name == "Picture.Data") {
    const auto* Data = std::get_if<Binary>(&I.Property.Value);
    if (!Data) I.Fail("not binary data");
    try {
      Image.Picture.Bitmap = DecodePictureData(*Data);
    } catch (const Exception& E) {
      I.Fail(E.Message.c_str());
    }
  } else I.Fail("a TImage has no such property");
}

const TPublishedField* FieldNamed(const TFormClass& Class, const std::string& Name) {
  for (const TPublishedField& Field : Class.Fields)
    if (Name == Field.Name) return &Field;
  return nullptr;
}

void LoadImage(TForm& Form, const StreamObject& Object) {
  if (Object.ClassName != "TImage") Fail(Object, Object.Offset, "unknown class " + Object.ClassName);
  const TPublishedField* Field = FieldNamed(Form.Class, Object.Name);
  if (!Field) Fail(Object, Object.Offset, std::string(Form.Class.ClassName) + " has no published field " + Object.Name);
  if (Form.*(Field->Field)) Fail(Object, Object.Offset, "a second control named " + Object.Name);
  if (!Object.Children.empty()) Fail(Object, Object.Children[0].Offset, "a TImage cannot hold controls");

  auto* Image = new TImage(&Form);  // owned by the form from here on
  Image->Name = AnsiString(Object.Name.c_str());
  Image->SetParent(&Form);
  Form.*(Field->Field) = Image;
  for (const StreamProperty& Property : Object.Properties) SetImageProperty(Form, *Image, {Object, Property});
}

}  // namespace

void LoadForm(TForm& Form, const StreamObject& Root) {
  if (Root.ClassName != Form.Class.ClassName)
    Fail(Root, Root.Offset, "the resource holds a " + Root.ClassName + ", not a " + Form.Class.ClassName);
  Form.Name = AnsiString(Root.Name.c_str());
  for (const StreamProperty& Property : Root.Properties) SetFormProperty(Form, {Root, Property});
  for (const TPublishedField& Field : Form.Class.Fields) Form.*(Field.Field) = nullptr;
  for (const StreamObject& Child : Root.Children) LoadImage(Form, Child);
  for (const TPublishedField& Field : Form.Class.Fields)
    if (!(Form.*(Field.Field))) Fail(Root, Root.Offset, std::string("the form has no control ") + Field.Name);
}

}  // namespace vcl::core
