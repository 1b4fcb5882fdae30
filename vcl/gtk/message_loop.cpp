// The application and its message loop over GLib's main loop:
//   ApplicationWindow  a handle with no window behind it: X11 has no
//                      application window, and the handle stands for the
//                      application as the owner of message boxes
//   RunMessageLoop     shows the main form's window, gives it the focus and
//                      runs the main loop until QuitMessageLoop
//   QuitMessageLoop    hides the window at once and ends the loop

#include <gtk/gtk.h>

#include "backend.h"
#include "gtk_backend.h"

namespace vcl::backend {

namespace {

struct ApplicationTag {
} TheApplication;

// The main form's window while the loop runs, else null.
GtkWidget* MainWindow = nullptr;
GMainLoop* MainLoop = nullptr;

void ForgetMainWindow(GtkWidget*, gpointer) { MainWindow = nullptr; }

}  // namespace

HWND ApplicationWindow() { return reinterpret_cast<HWND>(&TheApplication); }

void RunMessageLoop(TForm& MainForm) {
  MainWindow = gtk::FormWidget(MainForm.Handle);
  const gulong Forget = g_signal_connect(MainWindow, "destroy", G_CALLBACK(ForgetMainWindow), nullptr);
  MainLoop = g_main_loop_new(nullptr, FALSE);
  gtk_widget_show(MainWindow);
  // Takes the keyboard focus too; with no window manager, GDK sets the
  // input focus on the window itself.
  gtk_window_present(GTK_WINDOW(MainWindow));
  g_main_loop_run(MainLoop);
  g_main_loop_unref(MainLoop);
  MainLoop = nullptr;
  if (MainWindow) g_signal_handler_disconnect(MainWindow, Forget);
  MainWindow = nullptr;
}

void QuitMessageLoop() {
  // The window goes at once. A question still open from one of its clicks
  // stays until answered: only then can this loop return.
  if (MainWindow) gtk_widget_hide(MainWindow);
  if (MainLoop) g_main_loop_quit(MainLoop);
}

}  // namespace vcl::backend

namespace vcl::gtk {

GtkWidget* MainWindowWidget() { return backend::MainWindow; }

}  // namespace vcl::gtk
