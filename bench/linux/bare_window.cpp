// The floor for the menu's start-up figures: a bare GTK 3 window of the
// menu's size and place, undecorated and painted in the menu colour, with
// nothing else (no form, no pictures, no core).

#include <gtk/gtk.h>

namespace {

gboolean Paint(GtkWidget*, cairo_t* Cr, gpointer) {
  cairo_set_source_rgb(Cr, 0xF0 / 255.0, 0xF0 / 255.0, 0xF0 / 255.0);
  cairo_paint(Cr);
  return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
  if (!gtk_init_check(&argc, &argv)) return 1;
  GtkWidget* Window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
  gtk_window_set_decorated(GTK_WINDOW(Window), FALSE);
  gtk_window_set_resizable(GTK_WINDOW(Window), FALSE);
  gtk_widget_set_size_request(Window, 635, 423);
  gtk_window_set_position(GTK_WINDOW(Window), GTK_WIN_POS_CENTER);
  gtk_widget_set_app_paintable(Window, TRUE);
  g_signal_connect(Window, "draw", G_CALLBACK(Paint), nullptr);
  g_signal_connect(Window, "destroy", G_CALLBACK(gtk_main_quit), nullptr);
  gtk_widget_show(Window);
  gtk_main();
  return 0;
}
