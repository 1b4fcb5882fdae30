// The native window of a form, and the pointer, over GTK 3 (X11):
//   CreateFormWindow, DestroyFormWindow  an undecorated GtkWindow, its client
//       inset by the form's BorderWidth, placed by the core in the primary
//       monitor's work area
//   PrimaryWorkArea                      gdk_monitor_get_workarea
//   CursorPos, ClientOrigin              gdk_device_get_position, gdk_window_get_origin
//   CaptureMouse, ReleaseMouse           nothing: X's implicit grab
//   InvalidateArea                       gtk_widget_queue_draw_area
//
// One GtkWindow per form, with no child widget: the window paints itself
// (painter.cpp) and turns its pointer events into the core's mouse calls,
// in client coordinates, and does nothing else.

#include <gtk/gtk.h>

#include <cmath>
#include <span>

#include "backend.h"
#include "core/icon.h"
#include "events.h"
#include "gtk_backend.h"
#include "painter.h"

namespace vcl::backend {

namespace {

struct FormWindow {
  TForm& Form;
  GtkWidget* Widget;  // the GtkWindow
  int Band;           // the client area's offset inside the window
  gtk::BitmapSurfaces Surfaces;
  bool Drawn = false;  // the first frame is out
};

FormWindow* FromHandle(HWND Window) { return reinterpret_cast<FormWindow*>(Window); }

TPoint ClientPoint(const FormWindow& Window, double X, double Y) {
  return {static_cast<std::int32_t>(std::floor(X)) - Window.Band,
          static_cast<std::int32_t>(std::floor(Y)) - Window.Band};
}

// The buttons and keys of a GDK state.
TShiftState ShiftOf(guint State) {
  TShiftState Shift = ssNone;
  if (State & GDK_SHIFT_MASK) Shift |= ssShift;
  if (State & GDK_MOD1_MASK) Shift |= ssAlt;
  if (State & GDK_CONTROL_MASK) Shift |= ssCtrl;
  if (State & GDK_BUTTON1_MASK) Shift |= ssLeft;
  if (State & GDK_BUTTON3_MASK) Shift |= ssRight;
  if (State & GDK_BUTTON2_MASK) Shift |= ssMiddle;
  return Shift;
}

bool ButtonOf(guint Number, TMouseButton& Button) {
  switch (Number) {
    case 1: Button = TMouseButton::mbLeft; return true;
    case 2: Button = TMouseButton::mbMiddle; return true;
    case 3: Button = TMouseButton::mbRight; return true;
    default: return false;  // wheel and extra buttons
  }
}

// GDK's state on a press does not hold the button just pressed yet, nor on
// a release the one just released any more: the VCL's shift state does.
guint ButtonMask(guint Number) { return Number <= 5 ? GDK_BUTTON1_MASK << (Number - 1) : 0; }

// The window icon from the program's MAINICON resource, both its sizes,
// decoded by the core where it lies (no image loader module to load). Set
// once the first frame is out: the frame does not need it.
gboolean SetIcon(gpointer Data) {
  auto* Window = static_cast<GtkWidget*>(Data);
  GList* Pictures = nullptr;
  try {
    for (const core::TIconImage& Image : core::DecodeIcon(ProgramResource("MAINICON"))) {
      const int Side = Image.Colour.Width;
      GdkPixbuf* Picture = gdk_pixbuf_new(GDK_COLORSPACE_RGB, TRUE, 8, Side, Side);
      guchar* Pixels = gdk_pixbuf_get_pixels(Picture);
      const int Stride = gdk_pixbuf_get_rowstride(Picture);
      for (int Y = 0; Y < Side; ++Y)
        for (int X = 0; X < Side; ++X) {
          const std::uint32_t Argb = Image.Argb(X, Y);
          guchar* P = Pixels + Y * Stride + 4 * X;
          P[0] = static_cast<guchar>(Argb >> 16);
          P[1] = static_cast<guchar>(Argb >> 8);
          P[2] = static_cast<guchar>(Argb);
          P[3] = static_cast<guchar>(Argb >> 24);
        }
      Pictures = g_list_append(Pictures, Picture);
    }
  } catch (const Exception&) {
    // A spoiled icon leaves the window without one; the menu works on.
  }
  if (Pictures) gtk_window_set_icon_list(GTK_WINDOW(Window), Pictures);
  g_list_free_full(Pictures, g_object_unref);
  g_object_unref(Window);
  return G_SOURCE_REMOVE;
}

gboolean OnDraw(GtkWidget*, cairo_t* Cr, gpointer Data) {
  auto& Window = *static_cast<FormWindow*>(Data);
  gtk::PaintForm(Cr, gtk_widget_get_window(Window.Widget), Window.Surfaces, Window.Form, Window.Band);
  if (!Window.Drawn) {
    Window.Drawn = true;
    g_idle_add(SetIcon, g_object_ref(Window.Widget));
  }
  return TRUE;
}

gboolean OnMotion(GtkWidget*, GdkEventMotion* Event, gpointer Data) {
  auto& Window = *static_cast<FormWindow*>(Data);
  core::MouseMove(Window.Form, ShiftOf(Event->state), ClientPoint(Window, Event->x, Event->y));
  return TRUE;
}

// While a button is held, X's implicit pointer grab sends every pointer
// event to this window, wherever the pointer is: that is the capture.
gboolean OnButtonPress(GtkWidget*, GdkEventButton* Event, gpointer Data) {
  auto& Window = *static_cast<FormWindow*>(Data);
  TMouseButton Button;
  // A double or triple click also arrives as a second or third plain press.
  if (Event->type != GDK_BUTTON_PRESS || !ButtonOf(Event->button, Button)) return TRUE;
  core::MouseDown(Window.Form, Button, ShiftOf(Event->state | ButtonMask(Event->button)),
                  ClientPoint(Window, Event->x, Event->y));
  return TRUE;
}

gboolean OnButtonRelease(GtkWidget*, GdkEventButton* Event, gpointer Data) {
  auto& Window = *static_cast<FormWindow*>(Data);
  TMouseButton Button;
  if (!ButtonOf(Event->button, Button)) return TRUE;
  core::MouseUp(Window.Form, Button, ShiftOf(Event->state & ~ButtonMask(Event->button)),
                ClientPoint(Window, Event->x, Event->y));
  return TRUE;
}

// Another client took the pointer grab away while a button was held.
gboolean OnGrabBroken(GtkWidget*, GdkEvent*, gpointer Data) {
  core::CancelMode(static_cast<FormWindow*>(Data)->Form);
  return FALSE;
}

// Alt+F4 is the system's close command. A window manager turns it into a
// delete event; with none running, the window sees the key itself.
gboolean OnKeyPress(GtkWidget*, GdkEventKey* Event, gpointer Data) {
  const guint Modifiers = Event->state & gtk_accelerator_get_default_mod_mask();
  if (Event->keyval == GDK_KEY_F4 && Modifiers == GDK_MOD1_MASK) {
    static_cast<FormWindow*>(Data)->Form.Close();
    return TRUE;
  }
  return FALSE;
}

gboolean OnDelete(GtkWidget*, GdkEvent*, gpointer Data) {
  static_cast<FormWindow*>(Data)->Form.Close();
  return TRUE;  // the form decides; its destruction destroys the window
}

}  // namespace

TRect PrimaryWorkArea() {
  GdkDisplay* Display = gdk_display_get_default();
  GdkMonitor* Monitor = gdk_display_get_primary_monitor(Display);
  if (!Monitor) Monitor = gdk_display_get_monitor(Display, 0);  // no primary set (Xvfb)
  GdkRectangle Area{0, 0, 0, 0};
  // The monitor less the panels the window manager reserves; with no
  // window manager, the whole monitor.
  if (Monitor) gdk_monitor_get_workarea(Monitor, &Area);
  return {Area.x, Area.y, Area.x + Area.width, Area.y + Area.height};
}

HWND CreateFormWindow(TForm& Form) {
  // The application's title is its name for the desktop, set once, before
  // its first window (GLib allows it only once).
  static bool Named = false;
  if (!Named) g_set_application_name(gtk::ToUtf8(Application->Title.View()).c_str());
  Named = true;

  auto* Window = new FormWindow{Form, gtk_window_new(GTK_WINDOW_TOPLEVEL), Form.BorderWidth, {}};
  GtkWindow* Native = GTK_WINDOW(Window->Widget);
  const int Width = Form.ClientWidth + 2 * Window->Band;
  const int Height = Form.ClientHeight + 2 * Window->Band;
  gtk_window_set_title(Native, gtk::ToUtf8(Form.Caption.View()).c_str());
  gtk_window_set_decorated(Native, Form.BorderStyle != TFormBorderStyle::bsNone);
  gtk_window_set_resizable(Native, FALSE);
  gtk_widget_set_size_request(Window->Widget, Width, Height);
  const TPoint Place = core::WindowPlace(Form, Width, Height, PrimaryWorkArea());
  gtk_window_move(Native, Place.x, Place.y);
  // The window paints every pixel itself, so GTK need not draw a background.
  gtk_widget_set_app_paintable(Window->Widget, TRUE);
  gtk_widget_add_events(Window->Widget, GDK_POINTER_MOTION_MASK | GDK_BUTTON_PRESS_MASK |
                                            GDK_BUTTON_RELEASE_MASK | GDK_KEY_PRESS_MASK);
  g_signal_connect(Window->Widget, "draw", G_CALLBACK(OnDraw), Window);
  g_signal_connect(Window->Widget, "motion-notify-event", G_CALLBACK(OnMotion), Window);
  g_signal_connect(Window->Widget, "button-press-event", G_CALLBACK(OnButtonPress), Window);
  g_signal_connect(Window->Widget, "button-release-event", G_CALLBACK(OnButtonRelease), Window);
  g_signal_connect(Window->Widget, "grab-broken-event", G_CALLBACK(OnGrabBroken), Window);
  g_signal_connect(Window->Widget, "key-press-event", G_CALLBACK(OnKeyPress), Window);
  g_signal_connect(Window->Widget, "delete-event", G_CALLBACK(OnDelete), Window);
  return reinterpret_cast<HWND>(Window);
}

void DestroyFormWindow(HWND Handle) {
  FormWindow* Window = FromHandle(Handle);
  if (!Window) return;
  gtk_widget_destroy(Window->Widget);
  delete Window;
}

TPoint CursorPos() {
  GdkSeat* Seat = gdk_display_get_default_seat(gdk_display_get_default());
  gint X = 0, Y = 0;
  // Asks the X server where the pointer is now, not where the last event was.
  gdk_device_get_position(gdk_seat_get_pointer(Seat), nullptr, &X, &Y);
  return {X, Y};
}

TPoint ClientOrigin(HWND Handle) {
  if (Handle == ApplicationWindow() || !Handle) return {0, 0};
  FormWindow* Window = FromHandle(Handle);
  GdkWindow* Native = gtk_widget_get_window(Window->Widget);
  gint X = 0, Y = 0;
  // The window's position on the root window, asked of the X server, so it
  // holds under any window manager's frame.
  if (Native) gdk_window_get_origin(Native, &X, &Y);
  return {X + Window->Band, Y + Window->Band};
}

// GTK's implicit grab already is the capture (see OnButtonPress).
void CaptureMouse(HWND) {}
void ReleaseMouse() {}

void InvalidateArea(HWND Handle, const TRect& Area) {
  if (Handle == ApplicationWindow() || !Handle) return;
  FormWindow* Window = FromHandle(Handle);
  gtk_widget_queue_draw_area(Window->Widget, Area.Left + Window->Band, Area.Top + Window->Band,
                             Area.Width(), Area.Height());
}

}  // namespace vcl::backend

namespace vcl::gtk {

GtkWidget* FormWidget(HWND Handle) { return backend::FromHandle(Handle)->Widget; }

}  // namespace vcl::gtk
