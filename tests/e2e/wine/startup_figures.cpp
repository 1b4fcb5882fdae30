// The automation program's bench mode: the time from process start to the
// first frame on the screen and the peak working set, for the menu on the
// disc and for a bare window of the same size, started in turns. It checks
// nothing; it prints figures.

#include "desktop.h"

#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace e2e {
namespace {

// A pixel of a window's client that its first frame paints, and its colour.
struct Probe {
  POINT At;  // client coordinates
  std::uint32_t Colour;
};

struct StartFigures {
  double Milliseconds = -1;  // -1: no first frame within the time allowed
  double PeakKiB = 0;        // the process's peak working set, a moment after
};

// The time from CreateProcess until the client of the process's window of
// ClassName shows every probe's colour, and the process's peak working set;
// the window is closed afterwards. Both programs paint their client in one
// go, so a few pixels tell the frame is out, and reading so few of them
// takes next to nothing from the program being timed.
StartFigures FirstFrame(const std::wstring& Exe, const wchar_t* ClassName, const std::vector<Probe>& Probes) {
  SetCursorPos(2, 2);
  PROCESS_INFORMATION Process{};
  const auto Begin = std::chrono::steady_clock::now();
  if (!StartProgram(Exe, Process)) return {};
  const HDC Screen = GetDC(nullptr);
  HWND Window = nullptr;
  bool Shown = false;
  while (!Shown && std::chrono::steady_clock::now() - Begin < std::chrono::seconds(20)) {
    if (!Window) Window = FindWindowOf(Process.dwProcessId, ClassName);
    if (Window) {
      POINT Origin{0, 0};
      ClientToScreen(Window, &Origin);
      Shown = std::all_of(Probes.begin(), Probes.end(), [&](const Probe& P) {
        return Rgb(GetPixel(Screen, Origin.x + P.At.x, Origin.y + P.At.y)) == P.Colour;
      });
    }
    if (!Shown) Sleep(1);
  }
  const double Elapsed =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - Begin).count();
  ReleaseDC(nullptr, Screen);
  // Let it settle, as the Linux figures do, then read its peak.
  Sleep(300);
  PROCESS_MEMORY_COUNTERS Memory{};
  Memory.cb = sizeof Memory;
  GetProcessMemoryInfo(Process.hProcess, &Memory, sizeof Memory);
  if (Window) PostMessageW(Window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(Process.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(Process.hProcess, 1);
  CloseHandle(Process.hProcess);
  CloseHandle(Process.hThread);
  if (!Shown) return {};
  return {Elapsed, static_cast<double>(Memory.PeakWorkingSetSize) / 1024};
}

double Median(std::vector<double> Values) {
  std::sort(Values.begin(), Values.end());
  return Values[Values.size() / 2];
}

}  // namespace

void StartupFigures(const Artwork& Art, const std::wstring& BareWindow) {
  const std::uint32_t Colour = Rgb(GetSysColor(COLOR_MENU));
  // The bare window: its corners in the menu colour. The menu: the first
  // and the last pixel of the artwork that differ from that colour, so that
  // neither can show before the picture does.
  const std::vector<Probe> Filled{{{0, 0}, Colour}, {{ClientWidth - 1, ClientHeight - 1}, Colour}};
  std::vector<Probe> Artwork;
  for (int I = 0; I < ClientWidth * ClientHeight && Artwork.empty(); ++I)
    if (Art.Background.At(I % ClientWidth, I / ClientWidth) != Colour)
      Artwork.push_back({{I % ClientWidth, I / ClientWidth}, Art.Background.At(I % ClientWidth, I / ClientWidth)});
  for (int I = ClientWidth * ClientHeight - 1; I >= 0 && Artwork.size() < 2; --I)
    if (Art.Background.At(I % ClientWidth, I / ClientWidth) != Colour)
      Artwork.push_back({{I % ClientWidth, I / ClientWidth}, Art.Background.At(I % ClientWidth, I / ClientWidth)});
  // Pairs in turns, so that a change in the machine's load falls on both.
  constexpr int Pairs = 21;
  std::vector<double> MenuTimes, BareTimes, TimeRatios, MenuPeaks, BarePeaks, PeakRatios;
  for (int Pair = 0; Pair < Pairs; ++Pair) {
    const StartFigures Bare = FirstFrame(BareWindow, L"BareWindow", Filled);
    const StartFigures Menu = FirstFrame(Disc + L"\\menu.exe", L"TAutoForm", Artwork);
    BareTimes.push_back(Bare.Milliseconds);
    MenuTimes.push_back(Menu.Milliseconds);
    TimeRatios.push_back(Menu.Milliseconds / Bare.Milliseconds);
    BarePeaks.push_back(Bare.PeakKiB);
    MenuPeaks.push_back(Menu.PeakKiB);
    PeakRatios.push_back(Menu.PeakKiB / Bare.PeakKiB);
  }
  std::printf("under Wine, medians of %d pairs in turns:  menu  bare 32-bit window  median ratio\n", Pairs);
  std::printf("  start-up to the first frame (ms)      %8.1f  %8.1f  %.3f\n", Median(MenuTimes),
              Median(BareTimes), Median(TimeRatios));
  std::printf("  peak working set (KiB)                %8.0f  %8.0f  %.3f\n", Median(MenuPeaks),
              Median(BarePeaks), Median(PeakRatios));
}

}  // namespace e2e
