#include "ui/gtk/GtkPainter.h"

#include <gtk/gtk.h>

#include <map>
#include <string>

#include "ui/Controls.h"
#include "ui/Window.h"

namespace ui {
namespace {

// "#AARRGGBB" or "#RRGGBB", as layout files write colours.
bool ParseColor(const std::string& text, GdkRGBA& color) {
  if (text.size() != 9 && text.size() != 7) return false;
  const unsigned long value = std::stoul(text.substr(1), nullptr, 16);
  const bool withAlpha = text.size() == 9;
  color.alpha = withAlpha ? ((value >> 24) & 0xFF) / 255.0 : 1.0;
  color.red = ((value >> 16) & 0xFF) / 255.0;
  color.green = ((value >> 8) & 0xFF) / 255.0;
  color.blue = (value & 0xFF) / 255.0;
  return true;
}

std::string CssColor(const std::string& text) {
  GdkRGBA color;
  if (!ParseColor(text, color)) return std::string();
  gchar* css = gdk_rgba_to_string(&color);
  std::string result(css);
  g_free(css);
  return result;
}

// A control's background: its colour, then its image scaled to the control.
gboolean DrawBackground(GtkWidget* widget, cairo_t* cr, gpointer data) {
  const auto* control = static_cast<const Control*>(data);
  const int width = gtk_widget_get_allocated_width(widget);
  const int height = gtk_widget_get_allocated_height(widget);
  GdkRGBA color;
  if (ParseColor(control->Attribute("bkcolor"), color)) {
    gdk_cairo_set_source_rgba(cr, &color);
    cairo_paint(cr);
  }
  const std::string image = control->BkImage();
  if (!image.empty()) {
    GdkPixbuf* pixbuf = gdk_pixbuf_new_from_file_at_scale((ResourceFolder() + image).c_str(), width, height,
                                                          TRUE, nullptr);
    if (pixbuf) {
      gdk_cairo_set_source_pixbuf(cr, pixbuf, (width - gdk_pixbuf_get_width(pixbuf)) / 2.0,
                                  (height - gdk_pixbuf_get_height(pixbuf)) / 2.0);
      cairo_paint(cr);
      g_object_unref(pixbuf);
    }
  }
  return FALSE;
}

class GtkNativeWindow : public NativeWindow {
 public:
  GtkNativeWindow(Window& model, Window* owner) : m_model(model) {
    m_window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    gtk_window_set_title(GTK_WINDOW(m_window), model.Title().c_str());
    gtk_window_set_decorated(GTK_WINDOW(m_window), FALSE);
    if (owner && owner->Native()) {
      auto* ownerNative = static_cast<GtkNativeWindow*>(owner->Native());
      gtk_window_set_transient_for(GTK_WINDOW(m_window), GTK_WINDOW(ownerNative->m_window));
    }
    m_fixed = gtk_fixed_new();
    gtk_container_add(GTK_CONTAINER(m_window), m_fixed);
    gtk_widget_show(m_fixed);
    g_signal_connect(m_window, "delete-event", G_CALLBACK(+[](GtkWidget*, GdkEvent*, gpointer data) -> gboolean {
                       static_cast<Window*>(data)->Close(0);
                       return TRUE;
                     }),
                     &m_model);
  }

  ~GtkNativeWindow() override { gtk_widget_destroy(m_window); }

  void SetVisible(bool visible) override {
    if (visible) gtk_widget_show(m_window);
    else gtk_widget_hide(m_window);
  }

  void SetGeometry(const Rect& rect) override {
    gtk_window_move(GTK_WINDOW(m_window), rect.left, rect.top);
    gtk_widget_set_size_request(m_fixed, rect.Width(), rect.Height());
    gtk_window_resize(GTK_WINDOW(m_window), std::max(1, rect.Width()), std::max(1, rect.Height()));
  }

  void SetMinimized(bool minimized) override {
    if (minimized) gtk_window_iconify(GTK_WINDOW(m_window));
    else gtk_window_deiconify(GTK_WINDOW(m_window));
  }

  void Sync() override {
    m_syncing = true;
    if (m_model.Root()) SyncTree(*m_model.Root());
    m_syncing = false;
  }

  void* ChildContainer() override { return m_fixed; }
  GtkWidget* Toplevel() const { return m_window; }

 private:
  struct Widgets {
    GtkWidget* background = nullptr;
    GtkWidget* content = nullptr;
  };

  void SyncTree(Control& control) {
    if (control.ClassName() != "CefWebKit" && control.ClassName() != "ListLabelElement") SyncControl(control);
    if (control.ClassName() == "Combo") return;  // its items live in the drop-down
    for (const auto& child : control.Children()) SyncTree(*child);
  }

  void SyncControl(Control& control) {
    Widgets& widgets = m_widgets[&control];
    const bool shown = control.IsShown();
    const Rect& pos = control.GetPos();
    const bool hasBackground = !control.Attribute("bkcolor").empty() || !control.BkImage().empty();
    if (hasBackground && !widgets.background) {
      widgets.background = gtk_drawing_area_new();
      g_signal_connect(widgets.background, "draw", G_CALLBACK(DrawBackground), &control);
      gtk_fixed_put(GTK_FIXED(m_fixed), widgets.background, pos.left, pos.top);
    }
    if (!widgets.content) widgets.content = MakeContent(control);
    for (GtkWidget* widget : {widgets.background, widgets.content}) {
      if (!widget) continue;
      gtk_fixed_move(GTK_FIXED(m_fixed), widget, pos.left, pos.top);
      gtk_widget_set_size_request(widget, std::max(0, pos.Width()), std::max(0, pos.Height()));
      gtk_widget_set_visible(widget, shown && pos.Width() > 0 && pos.Height() > 0);
      gtk_widget_set_sensitive(widget, control.IsEnabled());
    }
    if (widgets.background) gtk_widget_queue_draw(widgets.background);
    if (widgets.content) UpdateContent(control, widgets.content);
  }

  GtkWidget* MakeContent(Control& control) {
    const std::string& kind = control.ClassName();
    GtkWidget* widget = nullptr;
    if (kind == "Label" || kind == "Text") {
      widget = gtk_label_new(nullptr);
      gtk_label_set_line_wrap(GTK_LABEL(widget), TRUE);
    } else if (kind == "Button") {
      widget = gtk_button_new();
      g_signal_connect(widget, "clicked", G_CALLBACK(+[](GtkButton*, gpointer data) {
                         static_cast<Button*>(data)->Activate();
                       }),
                       &control);
    } else if (kind == "Option") {
      widget = gtk_toggle_button_new();
      g_signal_connect(widget, "toggled", G_CALLBACK(+[](GtkToggleButton* button, gpointer data) {
                         auto* self = static_cast<GtkNativeWindow*>(g_object_get_data(G_OBJECT(button), "native"));
                         if (!self->m_syncing)
                           static_cast<Option*>(data)->Selected(gtk_toggle_button_get_active(button));
                       }),
                       &control);
    } else if (kind == "Edit" || kind == "RichEdit") {
      widget = gtk_entry_new();
      g_signal_connect(widget, "changed", G_CALLBACK(+[](GtkEditable* entry, gpointer data) {
                         auto* self = static_cast<GtkNativeWindow*>(g_object_get_data(G_OBJECT(entry), "native"));
                         if (!self->m_syncing) static_cast<Control*>(data)->SetText(gtk_entry_get_text(GTK_ENTRY(entry)));
                       }),
                       &control);
    } else if (kind == "Combo") {
      widget = gtk_combo_box_text_new();
      g_signal_connect(widget, "changed", G_CALLBACK(+[](GtkComboBox* box, gpointer data) {
                         auto* self = static_cast<GtkNativeWindow*>(g_object_get_data(G_OBJECT(box), "native"));
                         if (!self->m_syncing) static_cast<Combo*>(data)->SelectItem(gtk_combo_box_get_active(box));
                       }),
                       &control);
    } else if (kind == "Slider") {
      widget = gtk_scale_new_with_range(GTK_ORIENTATION_HORIZONTAL, 0, 100, 1);
    }
    if (!widget) return nullptr;
    g_object_set_data(G_OBJECT(widget), "native", this);
    const std::string color = CssColor(control.Attribute("textcolor"));
    const std::string font = control.Attribute("font");
    if (!color.empty() || !font.empty()) {
      std::string css = "* {";
      if (!color.empty()) css += " color: " + color + ";";
      if (!font.empty()) css += " font-size: " + font + "px;";
      css += " }";
      GtkCssProvider* provider = gtk_css_provider_new();
      gtk_css_provider_load_from_data(provider, css.c_str(), -1, nullptr);
      gtk_style_context_add_provider(gtk_widget_get_style_context(widget), GTK_STYLE_PROVIDER(provider),
                                     GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
      g_object_unref(provider);
    }
    gtk_fixed_put(GTK_FIXED(m_fixed), widget, 0, 0);
    return widget;
  }

  static void UpdateContent(Control& control, GtkWidget* widget) {
    const std::string& kind = control.ClassName();
    const char* text = control.Text().c_str();
    if (GTK_IS_LABEL(widget)) {
      gtk_label_set_text(GTK_LABEL(widget), text);
      const std::string align = control.Attribute("align");
      gtk_label_set_xalign(GTK_LABEL(widget), align == "left" ? 0.0f : align == "right" ? 1.0f : 0.5f);
    } else if (kind == "Option") {
      gtk_button_set_label(GTK_BUTTON(widget), text);
      gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(widget), static_cast<Option&>(control).IsSelected());
    } else if (GTK_IS_BUTTON(widget)) {
      gtk_button_set_label(GTK_BUTTON(widget), text);
    } else if (GTK_IS_ENTRY(widget)) {
      if (control.Text() != gtk_entry_get_text(GTK_ENTRY(widget))) gtk_entry_set_text(GTK_ENTRY(widget), text);
    } else if (GTK_IS_COMBO_BOX_TEXT(widget)) {
      auto& combo = static_cast<Combo&>(control);
      gtk_combo_box_text_remove_all(GTK_COMBO_BOX_TEXT(widget));
      for (int i = 0; i < combo.Count(); ++i)
        gtk_combo_box_text_append_text(GTK_COMBO_BOX_TEXT(widget), combo.Item(i)->Text().c_str());
      gtk_combo_box_set_active(GTK_COMBO_BOX(widget), combo.CurSel());
    } else if (GTK_IS_SCALE(widget)) {
      gtk_range_set_value(GTK_RANGE(widget), static_cast<Slider&>(control).Value());
    }
  }

  Window& m_model;
  GtkWidget* m_window = nullptr;
  GtkWidget* m_fixed = nullptr;
  std::map<const Control*, Widgets> m_widgets;
  bool m_syncing = false;
};

class GtkPainter : public Painter {
 public:
  std::unique_ptr<NativeWindow> CreateNative(Window& window, Window* owner) override {
    return std::make_unique<GtkNativeWindow>(window, owner);
  }
  Size ScreenSize() override {
    GdkDisplay* display = gdk_display_get_default();
    GdkMonitor* monitor = display ? gdk_display_get_primary_monitor(display) : nullptr;
    if (!monitor && display) monitor = gdk_display_get_monitor(display, 0);
    if (!monitor) return Size{1920, 1080};
    GdkRectangle geometry;
    gdk_monitor_get_geometry(monitor, &geometry);
    return Size{geometry.width, geometry.height};
  }
  bool Headless() const override { return false; }
};

}  // namespace

std::unique_ptr<Painter> MakeGtkPainter() { return std::make_unique<GtkPainter>(); }

}  // namespace ui
