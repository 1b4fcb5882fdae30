#pragma once
// Controls: TControl, TImage and their events.

#include <vcl/classes.h>
#include <vcl/property.h>
#include <vcl/types.h>

#include <cstdint>

namespace vcl {

class TForm;

// The buttons and modifier keys held during a mouse event, one bit each.
struct TShiftState {
  unsigned Bits = 0;
  friend bool operator==(const TShiftState&, const TShiftState&) = default;
  friend constexpr TShiftState operator|(TShiftState A, TShiftState B) { return {A.Bits | B.Bits}; }
  TShiftState& operator|=(TShiftState Other) { return *this = *this | Other; }
};
inline constexpr TShiftState ssNone{0};
inline constexpr TShiftState ssShift{1u << 0};
inline constexpr TShiftState ssAlt{1u << 1};
inline constexpr TShiftState ssCtrl{1u << 2};
inline constexpr TShiftState ssLeft{1u << 3};
inline constexpr TShiftState ssRight{1u << 4};
inline constexpr TShiftState ssMiddle{1u << 5};

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

// A colour: 0x00BBGGRR, or a system colour (clSystemColor | its index).
using TColor = std::int32_t;
inline constexpr TColor clSystemColor = static_cast<TColor>(0xFF000000u);
inline constexpr TColor clMenu = clSystemColor | 4;
inline constexpr TColor clWindowText = clSystemColor | 8;
inline constexpr TColor clBtnFace = clSystemColor | 15;
inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;

using TMouseMoveEvent = TClosure<TObject*, TShiftState, int, int>;

// A control lies on a form at (Left, Top) with the size Width x Height, in
// the form's client coordinates. Controls are stacked in the order they were
// placed on the form: later ones lie above earlier ones.
class TControl : public TComponent {
public:
  explicit TControl(TComponent* AOwner);
  ~TControl() override;

  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  TNotifyEvent OnClick;
  TMouseMoveEvent OnMouseMove;

  bool GetVisible() const noexcept { return Shown; }
  void SetVisible(bool Value);
  TRect GetClientRect() const noexcept { return {0, 0, Width, Height}; }

  // A hidden control receives no mouse input (unless it holds the capture);
  // showing or hiding one repaints its area of the form.
  Property<TControl, bool, &TControl::GetVisible, &TControl::SetVisible> Visible{this};
  // (0, 0, Width, Height).
  ComputedProperty<TControl, TRect, &TControl::GetClientRect> ClientRect{this};

  // The control's rectangle in its form's client coordinates.
  TRect BoundsRect() const noexcept { return {Left, Top, Left + Width, Top + Height}; }

  // Places the control on Form, above every control already there.
  void SetParent(TForm* Form);
  TForm* Parent() const noexcept { return ParentForm; }

private:
  bool Shown = true;
  TForm* ParentForm = nullptr;
};

// An uncompressed 24-bit bitmap, read where it lies in the form resource.
// Rows are stored bottom-up, each Stride bytes of blue, green, red triples.
struct TBitmap {
  int Width = 0;
  int Height = 0;
  int Stride = 0;
  const std::uint8_t* Pixels = nullptr;  // the bottom row

  bool Empty() const noexcept { return Pixels == nullptr; }
  // The pixel at (X, Y), Y counted from the top, as 0x00RRGGBB.
  std::uint32_t Pixel(int X, int Y) const noexcept {
    const std::uint8_t* P = Pixels + static_cast<std::ptrdiff_t>(Height - 1 - Y) * Stride + 3 * X;
    return std::uint32_t{P[2]} << 16 | std::uint32_t{P[1]} << 8 | P[0];
  }
};

struct TPicture {
  TBitmap Bitmap;
};

class TImage : public TControl {
public:
  explicit TImage(TComponent* AOwner) : TControl(AOwner) {}
  TPicture Picture;
};

}  // namespace vcl
