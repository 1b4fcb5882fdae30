// Measures a GTK program's start-up to its first frame on screen and its
// peak memory: starts the program, polls the screen pixel at the window's
// top-left corner (one pixel of the band in the menu colour, which the first
// frame paints together with everything else) until it shows that colour,
// then ends the program and reads its peak resident size.
//
// Usage: first_frame X Y PROGRAM... ; prints "<milliseconds> <peak KiB>".

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

extern char** environ;

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: %s X Y PROGRAM [ARGS...]\n", argv[0]);
    return 2;
  }
  const int X = std::atoi(argv[1]), Y = std::atoi(argv[2]);
  Display* Screen = XOpenDisplay(nullptr);
  if (!Screen) return 3;
  const Window Root = DefaultRootWindow(Screen);
  constexpr unsigned long MenuColor = 0xF0F0F0;

  const auto Start = std::chrono::steady_clock::now();
  pid_t Child = 0;
  if (posix_spawn(&Child, argv[3], nullptr, nullptr, argv + 3, environ) != 0) return 4;
  const auto Deadline = Start + std::chrono::seconds(20);
  bool Shown = false;
  while (!Shown && std::chrono::steady_clock::now() < Deadline) {
    XImage* Pixel = XGetImage(Screen, Root, X, Y, 1, 1, AllPlanes, ZPixmap);
    Shown = Pixel && (XGetPixel(Pixel, 0, 0) & 0xFFFFFF) == MenuColor;
    if (Pixel) XDestroyImage(Pixel);
    if (!Shown) std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
  const double Ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - Start).count();

  // Let it settle, then end it; wait4 gives the peak resident size.
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  kill(Child, SIGTERM);
  int ExitStatus = 0;
  rusage Usage{};
  wait4(Child, &ExitStatus, 0, &Usage);
  // Restore the root's black where the window was, for the next run.
  XClearWindow(Screen, Root);
  XSync(Screen, False);
  XCloseDisplay(Screen);
  if (!Shown) return 5;
  std::printf("%.1f %ld\n", Ms, Usage.ru_maxrss);
  return 0;
}
