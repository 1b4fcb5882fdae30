// The contract test's platform on Linux: GLib and Xlib calls, an X display
// from the test's runner, and a Wine prefix of the test's own whose
// registry files the test writes.

#include "contract_platform.h"

#include <gdk/gdkx.h>
#include <glib.h>
#include <glib/gstdio.h>
#include <gtk/gtk.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "backend.h"
#include "gtk_backend.h"

namespace contract {

namespace {

// The layer's bytes of a UTF-8 text, by GLib's own conversion.
vcl::AnsiString Layer(const std::string& Utf8) {
  gchar* Converted = g_convert(Utf8.c_str(), -1, "GB18030", "UTF-8", nullptr, nullptr, nullptr);
  vcl::AnsiString Result(Converted ? Converted : "");
  g_free(Converted);
  return Result;
}

std::string Prefix;  // the run's Wine prefix

const char* const RegistryHeader = "WINE REGISTRY Version 2\n;; All keys relative to REGISTRY\\\\Machine\n\n#arch=win64\n\n";

void WriteFile(const std::string& Path, const std::string& Text) {
  std::ofstream(Path, std::ios::binary | std::ios::trunc) << Text;
}

// A key name as Wine writes it in a registry file: backslashes doubled,
// characters outside ASCII as \x and their UTF-16 code units in hex.
std::string RegistryName(const std::string& Utf8) {
  std::string Result;
  glong Units = 0;
  gunichar2* Wide = g_utf8_to_utf16(Utf8.c_str(), -1, nullptr, &Units, nullptr);
  for (glong I = 0; I < Units; ++I) {
    const gunichar2 C = Wide[I];
    if (C == '\\') Result += "\\\\";
    else if (C < 0x80) Result += static_cast<char>(C);
    else {
      char Escape[8];
      std::snprintf(Escape, sizeof Escape, "\\x%04x", C);
      Result += Escape;
    }
  }
  g_free(Wide);
  return Result;
}

}  // namespace

void StartPlatform(int& Argc, char** Argv) {
  if (!gtk_init_check(&Argc, &Argv)) {
    std::fprintf(stderr, "the contract test needs an X display\n");
    std::exit(1);
  }
  gchar* Made = g_dir_make_tmp("contract-prefix-XXXXXX", nullptr);
  Prefix = Made;
  g_free(Made);
  g_setenv("WINEPREFIX", Prefix.c_str(), TRUE);
  // The prefix pretends to be Windows XP, which no new prefix is.
  WriteFile(Prefix + "/user.reg", "WINE REGISTRY Version 2\n\n[Software\\\\Wine] 1700000000\n\"Version\"=\"winxp\"\n");
  WriteFile(Prefix + "/system.reg", RegistryHeader);
  std::atexit([] {
    std::error_code Ignored;
    std::filesystem::remove_all(Prefix, Ignored);
  });
}

int ExpectedWindowsMajorVersion() { return 5; }

struct Scratch::Native {
  std::string Path;
};

Scratch::Scratch() : Folder(new Native) {
  gchar* Made = g_dir_make_tmp("contract-test-XXXXXX", nullptr);
  Folder->Path = Made;
  g_free(Made);
}

Scratch::~Scratch() {
  std::error_code Ignored;
  std::filesystem::remove_all(Folder->Path, Ignored);
}

vcl::AnsiString Scratch::MakeFolder(std::string_view Name) const {
  const std::string Path = Folder->Path + "/" + std::string(Name);
  g_mkdir_with_parents(Path.c_str(), 0755);
  return Layer(Path);
}

vcl::AnsiString Scratch::MakeFile(std::string_view Name) const {
  const std::string Path = Folder->Path + "/" + std::string(Name);
  g_file_set_contents(Path.c_str(), "", 0, nullptr);
  return Layer(Path);
}

vcl::AnsiString Scratch::PathOf(std::string_view Name) const { return Layer(Folder->Path + "/" + std::string(Name)); }

vcl::AnsiString CurrentFolder() {
  char Path[PATH_MAX];
  return getcwd(Path, sizeof Path) ? Layer(Path) : vcl::AnsiString();
}

vcl::AnsiString OwnExecutable() {
  char Path[PATH_MAX];
  const ssize_t Length = readlink("/proc/self/exe", Path, sizeof Path - 1);
  return Length > 0 ? Layer(std::string(Path, static_cast<std::size_t>(Length))) : vcl::AnsiString();
}

// A 64-bit prefix holds the 64-bit view as the plain key and the 32-bit
// view under Software\Wow6432Node.
struct ScratchKeys::Native {
  std::string Name = "DiscMenuContract " + std::to_string(getpid());
};

ScratchKeys::ScratchKeys() : Keys(new Native) {}

ScratchKeys::~ScratchKeys() { WriteFile(Prefix + "/system.reg", RegistryHeader); }

void ScratchKeys::Make(std::string_view Name, View In) {
  const std::string Software = In == View::Only32 ? "Software\\\\Wow6432Node\\\\" : "Software\\\\";
  std::ofstream(Prefix + "/system.reg", std::ios::binary | std::ios::app)
      << "[" << Software << RegistryName(Keys->Name) << "\\\\" << RegistryName(std::string(Name))
      << "] 1700000000\n#time=1d9\n\"A\"=\"1\"\n\n";
}

vcl::AnsiString ScratchKeys::Base() const { return Layer("SOFTWARE\\" + Keys->Name); }

void WhileShown(vcl::TForm& Form, const std::function<void()>& Then) {
  struct Wait {
    GtkWidget* Widget;
    const std::function<void()>& Then;
  } State{vcl::gtk::FormWidget(Form.Handle), Then};
  g_timeout_add(20, [](gpointer Data) -> gboolean {
    auto& W = *static_cast<Wait*>(Data);
    if (!gtk_widget_get_mapped(W.Widget)) return G_SOURCE_CONTINUE;
    W.Then();
    vcl::backend::QuitMessageLoop();
    return G_SOURCE_REMOVE;
  }, &State);
  vcl::backend::RunMessageLoop(Form);
}

vcl::TPoint WindowCorner(vcl::HWND Window) {
  GdkWindow* Native = gtk_widget_get_window(vcl::gtk::FormWidget(Window));
  Display* X = GDK_DISPLAY_XDISPLAY(gdk_window_get_display(Native));
  int Left = 0, Top = 0;
  ::Window Child;
  XTranslateCoordinates(X, GDK_WINDOW_XID(Native), DefaultRootWindow(X), 0, 0, &Left, &Top, &Child);
  return {Left, Top};
}

vcl::TPoint ScreenSize() {
  Display* X = GDK_DISPLAY_XDISPLAY(gdk_display_get_default());
  return {DisplayWidth(X, DefaultScreen(X)), DisplayHeight(X, DefaultScreen(X))};
}

void WhileTheNextBoxIsShown(const std::function<void()>& Probe, int Button) {
  struct Answer {
    std::function<void()> Probe;
    int Button;
  };
  g_timeout_add_full(G_PRIORITY_DEFAULT, 20, [](gpointer Data) -> gboolean {
    auto& A = *static_cast<Answer*>(Data);
    GList* Windows = gtk_window_list_toplevels();
    GtkWidget* Box = nullptr;
    for (GList* W = Windows; W; W = W->next)
      if (GTK_IS_MESSAGE_DIALOG(W->data) && gtk_widget_get_mapped(GTK_WIDGET(W->data))) Box = GTK_WIDGET(W->data);
    g_list_free(Windows);
    if (!Box) return G_SOURCE_CONTINUE;
    A.Probe();
    gtk_dialog_response(GTK_DIALOG(Box), A.Button == vcl::IDYES ? GTK_RESPONSE_YES
                                         : A.Button == vcl::IDNO ? GTK_RESPONSE_NO
                                                                 : GTK_RESPONSE_OK);
    return G_SOURCE_REMOVE;
  }, new Answer{Probe, Button}, [](gpointer Data) { delete static_cast<Answer*>(Data); });
}

bool TakesInput(vcl::HWND Window) {
  GtkWidget* Widget = vcl::gtk::FormWidget(Window);
  // A modal dialog holds GTK's grab: input goes to it and to no other window.
  GtkWidget* Grab = gtk_grab_get_current();
  return gtk_widget_is_sensitive(Widget) && (!Grab || Grab == Widget);
}

}  // namespace contract
