// A stand-in for the setup programs of the demo disc. It shows which
// component it would install (the name of its folder), its working
// directory and its arguments in a window a person can close. When the
// environment names a log file in SETUP_STANDIN_LOG, it first appends one
// line to it, a JSON object with the same facts and its process ids, so
// that tests can check how it was started.

#include <fcntl.h>
#include <gtk/gtk.h>
#include <unistd.h>

#include <string>

namespace {

std::string Quoted(const char* Text) {
  std::string Out = "\"";
  for (const char* P = Text; *P; ++P) {
    const auto C = static_cast<unsigned char>(*P);
    if (C == '"' || C == '\\') {
      Out += '\\';
      Out += static_cast<char>(C);
    } else if (C < 0x20) {
      char Escape[8];
      g_snprintf(Escape, sizeof Escape, "\\u%04x", C);
      Out += Escape;
    } else {
      Out += static_cast<char>(C);
    }
  }
  return Out + '"';
}

void AppendToLog(const char* Path, const char* Component, const char* Cwd, int argc, char** argv) {
  std::string Line = "{\"component\": " + Quoted(Component) + ", \"cwd\": " + Quoted(Cwd) +
                     ", \"pid\": " + std::to_string(getpid()) + ", \"sid\": " +
                     std::to_string(getsid(0)) + ", \"args\": [";
  for (int I = 1; I < argc; ++I) Line += (I > 1 ? ", " : "") + Quoted(argv[I]);
  Line += "]}\n";
  // One write to a file opened for appending: lines of setups started at
  // the same time do not mix.
  const int Fd = open(Path, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
  if (Fd < 0) return;
  if (write(Fd, Line.data(), Line.size()) < 0) perror("setup stand-in log");
  close(Fd);
}

}  // namespace

int main(int argc, char** argv) {
  gchar* Exe = g_file_read_link("/proc/self/exe", nullptr);
  gchar* Folder = g_path_get_dirname(Exe ? Exe : argv[0]);
  gchar* Component = g_path_get_basename(Folder);
  gchar* Cwd = g_get_current_dir();
  if (const char* Log = g_getenv("SETUP_STANDIN_LOG")) AppendToLog(Log, Component, Cwd, argc, argv);

  if (!gtk_init_check(&argc, &argv)) return 1;
  std::string Arguments;
  for (int I = 1; I < argc; ++I) Arguments += Quoted(argv[I]) + "\n";
  if (Arguments.empty()) Arguments = "(none)\n";
  gchar* Text = g_markup_printf_escaped(
      "<big><b>Setup of %s</b></big>\n\nThis stand-in would install the component <b>%s</b>.\n\n"
      "Working directory:\n<tt>%s</tt>\n\nArguments:\n<tt>%s</tt>",
      Component, Component, Cwd, Arguments.c_str());

  GtkWidget* Window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
  gchar* Title = g_strdup_printf("%s Setup", Component);
  gtk_window_set_title(GTK_WINDOW(Window), Title);
  gtk_container_set_border_width(GTK_CONTAINER(Window), 16);
  GtkWidget* Label = gtk_label_new(nullptr);
  gtk_label_set_markup(GTK_LABEL(Label), Text);
  gtk_label_set_selectable(GTK_LABEL(Label), TRUE);
  gtk_label_set_xalign(GTK_LABEL(Label), 0);
  GtkWidget* Close = gtk_button_new_with_label("Close");
  GtkWidget* Box = gtk_box_new(GTK_ORIENTATION_VERTICAL, 12);
  gtk_box_pack_start(GTK_BOX(Box), Label, TRUE, TRUE, 0);
  gtk_box_pack_end(GTK_BOX(Box), Close, FALSE, FALSE, 0);
  gtk_container_add(GTK_CONTAINER(Window), Box);
  g_signal_connect_swapped(Close, "clicked", G_CALLBACK(gtk_widget_destroy), Window);
  g_signal_connect(Window, "destroy", G_CALLBACK(gtk_main_quit), nullptr);
  gtk_widget_show_all(Window);
  gtk_widget_grab_focus(Close);
  gtk_main();

  g_free(Title);
  g_free(Text);
  g_free(Cwd);
  g_free(Component);
  g_free(Folder);
  g_free(Exe);
  return 0;
}
