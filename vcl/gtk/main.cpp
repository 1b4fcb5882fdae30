// The program's start on Linux: GTK, then the program's own entry function,
// as Windows would call it (no command line, the normal show command).

#include <gtk/gtk.h>

#include <cstdio>

#include <vcl/types.h>
#include <vcl/winapi.h>

int main(int argc, char** argv) {
  if (!gtk_init_check(&argc, &argv)) {
    std::fprintf(stderr, "%s: cannot open the display\n", argc > 0 ? argv[0] : "menu");
    return 1;
  }
  char NoCommandLine[] = "";
  return WinMain(nullptr, nullptr, NoCommandLine, vcl::SW_SHOWNORMAL);
}
