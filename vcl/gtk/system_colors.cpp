// The system colours on Linux:
//   SystemColor  Windows 7's default scheme
//
// The desktop has no Windows colour scheme, so the system colours are those
// of Windows 7's default scheme, the look the menu was drawn for.

#include <iterator>

#include "backend.h"

namespace vcl::backend {

namespace {

// 0x00RRGGBB by COLOR_ index: scroll bar, background, active caption,
// inactive caption, menu, window, window frame, menu text, window text,
// caption text, active border, inactive border, app workspace, highlight,
// highlight text, button face, button shadow, gray text, button text,
// inactive caption text, button highlight, 3D dark shadow, 3D light,
// info text, info background, (unused), hot light, gradient active caption,
// gradient inactive caption, menu highlight, menu bar.
constexpr std::uint32_t Windows7Colors[] = {
    0xC8C8C8, 0x000000, 0x99B4D1, 0xBFCDDB, 0xF0F0F0, 0xFFFFFF, 0x646464, 0x000000,
    0x000000, 0x000000, 0xB4B4B4, 0xF4F7FC, 0xABABAB, 0x3399FF, 0xFFFFFF, 0xF0F0F0,
    0xA0A0A0, 0x6D6D6D, 0x000000, 0x434E54, 0xFFFFFF, 0x696969, 0xE3E3E3, 0x000000,
    0xFFFFE1, 0x000000, 0x0066CC, 0xB9D1EA, 0xD7E4F2, 0x3399FF, 0xF0F0F0,
};

}  // namespace

std::uint32_t SystemColor(int Index) {
  if (Index < 0 || Index >= static_cast<int>(std::size(Windows7Colors))) return 0;
  return Windows7Colors[Index];
}

}  // namespace vcl::backend
