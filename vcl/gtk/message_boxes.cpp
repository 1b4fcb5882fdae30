// Message boxes as GTK dialogs:
//   ApplicationMessageBox  a modal dialog on the main window: GTK's grab
//                          keeps input from every other window meanwhile
//   OwnedMessageBox        owned by the application, a dialog that is not
//                          modal, in a nested main loop; owned by a form, a
//                          modal one
//
// Texts and captions arrive as code page 936 bytes and are shown as UTF-8.
// The flags choose the buttons (OK, or Yes and No) and the icon.

#include <gtk/gtk.h>

#include "backend.h"
#include "gtk_backend.h"

namespace vcl::backend {

namespace {

constexpr UINT ButtonsMask = 0x0F;
constexpr UINT IconMask = 0xF0;
constexpr UINT IconExclamation = 0x30;
constexpr UINT IconInformation = 0x40;

const char* IconName(UINT Flags) {
  switch (Flags & IconMask) {
    case MB_ICONSTOP: return "dialog-error";
    case MB_ICONQUESTION: return "dialog-question";
    case IconExclamation: return "dialog-warning";
    case IconInformation: return "dialog-information";
    default: return nullptr;
  }
}

// Windows offers no way to close a Yes/No box but its buttons: neither
// Escape nor the window's close command may answer it.
gboolean KeepOpen(GtkWidget*, GdkEvent*, gpointer) { return TRUE; }

GtkWidget* NewMessageDialog(GtkWindow* Parent, bool Modal, const char* Text, const char* Caption,
                            UINT Flags) {
  const bool YesNo = (Flags & ButtonsMask) == MB_YESNO;
  GtkWidget* Dialog = gtk_message_dialog_new(
      Parent, static_cast<GtkDialogFlags>(GTK_DIALOG_DESTROY_WITH_PARENT | (Modal ? GTK_DIALOG_MODAL : 0)),
      GTK_MESSAGE_OTHER, YesNo ? GTK_BUTTONS_YES_NO : GTK_BUTTONS_OK, "%s", gtk::ToUtf8(Text).c_str());
  gtk_window_set_title(GTK_WINDOW(Dialog), gtk::ToUtf8(Caption).c_str());
  if (const char* Icon = IconName(Flags)) {
    // GTK 3 message dialogs show no icon of their own any more; the image
    // property still places one beside the text, as Windows does.
    GtkWidget* Image = gtk_image_new_from_icon_name(Icon, GTK_ICON_SIZE_DIALOG);
    gtk_widget_show(Image);
    G_GNUC_BEGIN_IGNORE_DEPRECATIONS
    gtk_message_dialog_set_image(GTK_MESSAGE_DIALOG(Dialog), Image);
    G_GNUC_END_IGNORE_DEPRECATIONS
  }
  if (YesNo) g_signal_connect(Dialog, "delete-event", G_CALLBACK(KeepOpen), nullptr);
  return Dialog;
}

int Answer(gint Response, UINT Flags) {
  if ((Flags & ButtonsMask) == MB_YESNO) return Response == GTK_RESPONSE_YES ? IDYES : IDNO;
  return IDOK;
}

// Gives the menu window back the activation (and keyboard focus) that the
// box took while it was shown.
void Reactivate(GtkWindow* Window) {
  if (Window && gtk_widget_get_visible(GTK_WIDGET(Window))) gtk_window_present(Window);
}

struct NestedRun {
  GMainLoop* Loop;
  gint Response;
};

void OnResponse(GtkDialog* Dialog, gint Response, gpointer Data) {
  auto* Run = static_cast<NestedRun*>(Data);
  Run->Response = Response;
  // Answered is gone, also while a question opened inside this one still
  // holds the outer loop.
  gtk_widget_hide(GTK_WIDGET(Dialog));
  g_main_loop_quit(Run->Loop);
}

}  // namespace

int ApplicationMessageBox(const char* Text, const char* Caption, UINT Flags) {
  // A modal dialog: GTK grabs all input for it, so the menu window (every
  // window of the program) takes no pointer or key input until it closes.
  GtkWindow* Parent = GTK_WINDOW(gtk::MainWindowWidget());
  GtkWidget* Dialog = NewMessageDialog(Parent, true, Text, Caption, Flags);
  const gint Response = gtk_dialog_run(GTK_DIALOG(Dialog));
  gtk_widget_destroy(Dialog);
  Reactivate(Parent);
  return Answer(Response, Flags);
}

int OwnedMessageBox(HWND Owner, const char* Text, const char* Caption, UINT Flags) {
  // Owned by the application window, the box disables no visible window:
  // it is not modal, and it runs its own nested main loop, so the menu
  // window goes on taking input (and may open boxes of its own) while the
  // caller waits here for the answer. gtk_dialog_run would make it modal.
  // Owned by a form, it disables that form: a modal dialog.
  const bool Modal = Owner != ApplicationWindow();
  GtkWindow* Parent = GTK_WINDOW(gtk::MainWindowWidget());
  GtkWidget* Dialog = NewMessageDialog(Parent, Modal, Text, Caption, Flags);
  NestedRun Run{g_main_loop_new(nullptr, FALSE), GTK_RESPONSE_NONE};
  g_signal_connect(Dialog, "response", G_CALLBACK(OnResponse), &Run);
  gtk_widget_show(Dialog);
  g_main_loop_run(Run.Loop);
  g_main_loop_unref(Run.Loop);
  gtk_widget_destroy(Dialog);
  Reactivate(Parent);
  return Answer(Run.Response, Flags);
}

}  // namespace vcl::backend
