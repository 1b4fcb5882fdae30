// What the automation program's two parts share, the checks of a phase
// (automation.cpp) and the start-up figures (startup_figures.cpp): the
// artwork as pixels, the screen's colours, finding a process's windows and
// starting a program from the disc.

#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace e2e {

// The disc the driver maps: the menu at its root.
inline const std::wstring Disc = L"D:";

// The menu window's client area.
constexpr int ClientWidth = 633, ClientHeight = 421;

// A picture as 0x00RRGGBB pixels, top row first.
struct Picture {
  int Width = 0, Height = 0;
  std::vector<std::uint32_t> Pixels;
  std::uint32_t At(int X, int Y) const { return Pixels[static_cast<std::size_t>(Y * Width + X)]; }
};

// The menu's pictures, as the menu is built from them.
struct Artwork {
  Picture Background;
  Picture Buttons[9];  // by the entry's tag
};

// A screen colour (GetPixel, GetSysColor) as 0x00RRGGBB.
inline std::uint32_t Rgb(COLORREF Color) {
  return std::uint32_t{GetRValue(Color)} << 16 | std::uint32_t{GetGValue(Color)} << 8 | GetBValue(Color);
}

struct WindowSearch {
  DWORD ProcessId;
  const wchar_t* ClassName;
  bool Hidden;
  HWND Found;
};

inline BOOL CALLBACK MatchWindow(HWND Window, LPARAM Param) {
  auto& S = *reinterpret_cast<WindowSearch*>(Param);
  DWORD Owner = 0;
  GetWindowThreadProcessId(Window, &Owner);
  wchar_t Name[64] = {};
  GetClassNameW(Window, Name, 64);
  if (Owner == S.ProcessId && (S.Hidden || IsWindowVisible(Window)) && wcscmp(Name, S.ClassName) == 0) {
    S.Found = Window;
    return FALSE;
  }
  return TRUE;
}

// The process's top-level window of ClassName (a visible one, unless
// Hidden too is asked for).
inline HWND FindWindowOf(DWORD ProcessId, const wchar_t* ClassName, bool Hidden = false) {
  WindowSearch S{ProcessId, ClassName, Hidden, nullptr};
  EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&S));
  return S.Found;
}

// Starts the program Exe with no arguments in its own folder, as Explorer
// would, with the show command given (else the default). False if the
// system could not start it.
inline bool StartProgram(const std::wstring& Exe, PROCESS_INFORMATION& Process, int ShowCommand = -1) {
  std::wstring CommandLine = L"\"" + Exe + L"\"";
  STARTUPINFOW Startup{};
  Startup.cb = sizeof Startup;
  if (ShowCommand >= 0) {
    Startup.dwFlags = STARTF_USESHOWWINDOW;
    Startup.wShowWindow = static_cast<WORD>(ShowCommand);
  }
  const std::wstring Folder = Exe.substr(0, Exe.rfind(L'\\') + 1);
  return CreateProcessW(Exe.c_str(), CommandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, Folder.c_str(),
                        &Startup, &Process) != 0;
}

// Prints the start-up figures of the menu on the disc next to those of the
// bare window BareWindow (startup_figures.cpp); checks nothing.
void StartupFigures(const Artwork& Art, const std::wstring& BareWindow);

}  // namespace e2e
