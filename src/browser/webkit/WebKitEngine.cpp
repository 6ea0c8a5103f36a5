#include "browser/webkit/WebKitEngine.h"

#include <glog/logging.h>
#include <webkit2/webkit2.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "browser/ScriptMessage.h"

namespace browser {
namespace {

// The seven functions in every frame, before the page's own scripts. Each call
// posts its name and converted arguments and returns undefined.
std::string BridgeScript() {
  std::string names;
  for (const char* name : kScriptFunctionNames) names += std::string(names.empty() ? "" : ",") + "\"" + name + "\"";
  return "(function () {\n"
         "  if (!window.webkit || !window.webkit.messageHandlers || !window.webkit.messageHandlers.vireo) return;\n"
         "  function convert(v) {\n"
         "    if (typeof v === 'string') return {t: 's', v: v};\n"
         "    if (typeof v === 'number') {\n"
         "      if (Number.isInteger(v) && v >= -2147483648 && v <= 2147483647) return {t: 'i', v: v};\n"
         "      return {t: 'd', v: v};\n"
         "    }\n"
         "    if (typeof v === 'boolean') return {t: 'b', v: v};\n"
         "    return {t: 's', v: ''};\n"
         "  }\n"
         "  [" + names + "].forEach(function (name) {\n"
         "    window[name] = function () {\n"
         "      var args = [];\n"
         "      for (var i = 0; i < arguments.length; i++) args.push(convert(arguments[i]));\n"
         "      window.webkit.messageHandlers.vireo.postMessage(JSON.stringify({name: name, args: args}));\n"
         "    };\n"
         "  });\n"
         "})();\n";
}

class WebKitView : public WebView {
 public:
  WebKitView(GtkWidget* container, const ui::Rect& rect, std::shared_ptr<WebViewClient> client,
             WebKitWebView* related)
      : m_client(std::move(client)) {
    WebKitUserContentManager* manager = webkit_user_content_manager_new();
    WebKitUserScript* script =
        webkit_user_script_new(BridgeScript().c_str(), WEBKIT_USER_CONTENT_INJECT_ALL_FRAMES,
                               WEBKIT_USER_SCRIPT_INJECT_AT_DOCUMENT_START, nullptr, nullptr);
    webkit_user_content_manager_add_script(manager, script);
    webkit_user_script_unref(script);
    g_signal_connect(manager, "script-message-received::vireo", G_CALLBACK(&WebKitView::OnScriptMessage), this);
    webkit_user_content_manager_register_script_message_handler(manager, "vireo");

    m_view = related ? WEBKIT_WEB_VIEW(g_object_new(WEBKIT_TYPE_WEB_VIEW, "related-view", related,
                                                    "user-content-manager", manager, nullptr))
                     : WEBKIT_WEB_VIEW(g_object_new(WEBKIT_TYPE_WEB_VIEW, "user-content-manager", manager, nullptr));
    g_object_unref(manager);
    g_object_ref_sink(m_view);
    Configure();
    g_signal_connect(m_view, "load-changed", G_CALLBACK(&WebKitView::OnLoadChanged), this);
    g_signal_connect(m_view, "context-menu", G_CALLBACK(+[](WebKitWebView*, WebKitContextMenu*, GdkEvent*,
                                                           WebKitHitTestResult*, gpointer) -> gboolean {
                       return TRUE;  // no context menu on a display
                     }),
                     nullptr);
    // A drag that offers linking (a link dragged in) is refused; any other is the page's business.
    g_signal_connect(m_view, "drag-motion", G_CALLBACK(+[](GtkWidget*, GdkDragContext* context, gint, gint,
                                                          guint time, gpointer) -> gboolean {
                       if (!(gdk_drag_context_get_actions(context) & GDK_ACTION_LINK)) return FALSE;
                       gdk_drag_status(context, static_cast<GdkDragAction>(0), time);
                       return TRUE;
                     }),
                     nullptr);
    if (container) gtk_fixed_put(GTK_FIXED(container), GTK_WIDGET(m_view), rect.left, rect.top);
    Place(rect);
    gtk_widget_show(GTK_WIDGET(m_view));
    webkit_web_view_load_uri(m_view, "about:blank");
  }

  ~WebKitView() override {
    g_signal_handlers_disconnect_by_data(m_view, this);
    g_signal_handlers_disconnect_by_data(webkit_web_view_get_user_content_manager(m_view), this);
    gtk_widget_destroy(GTK_WIDGET(m_view));
    g_object_unref(m_view);
  }

  void LoadUrl(const std::string& url) override { webkit_web_view_load_uri(m_view, url.c_str()); }

  void RunScript(const std::string& script) override {
    webkit_web_view_evaluate_javascript(m_view, script.c_str(), -1, nullptr, nullptr, nullptr, nullptr, nullptr);
  }

  void Place(const ui::Rect& rect) override {
    GtkWidget* widget = GTK_WIDGET(m_view);
    if (GtkWidget* parent = gtk_widget_get_parent(widget)) gtk_fixed_move(GTK_FIXED(parent), widget, rect.left, rect.top);
    gtk_widget_set_size_request(widget, std::max(1, rect.Width()), std::max(1, rect.Height()));
    gtk_widget_queue_resize(widget);
  }

  void SetVisible(bool visible) override { gtk_widget_set_visible(GTK_WIDGET(m_view), visible); }

  WebKitWebView* View() const { return m_view; }

 private:
  void Configure() {
    WebKitSettings* settings = webkit_web_view_get_settings(m_view);
    webkit_settings_set_hardware_acceleration_policy(settings, WEBKIT_HARDWARE_ACCELERATION_POLICY_NEVER);
    webkit_settings_set_allow_file_access_from_file_urls(settings, TRUE);
    webkit_settings_set_allow_universal_access_from_file_urls(settings, TRUE);
    webkit_settings_set_media_playback_requires_user_gesture(settings, FALSE);
  }

  static void OnLoadChanged(WebKitWebView*, WebKitLoadEvent event, gpointer data) {
    if (event == WEBKIT_LOAD_FINISHED) static_cast<WebKitView*>(data)->m_client->OnLoadEnd();
  }

  static void OnScriptMessage(WebKitUserContentManager*, WebKitJavascriptResult* result, gpointer data) {
    JSCValue* value = webkit_javascript_result_get_js_value(result);
    gchar* text = jsc_value_to_string(value);
    ScriptMessage message;
    if (ParseScriptMessage(text ? text : "", message)) static_cast<WebKitView*>(data)->m_client->OnScriptMessage(message);
    else LOG(ERROR) << "无法识别的页面消息:" << (text ? text : "");
    g_free(text);
  }

  std::shared_ptr<WebViewClient> m_client;
  WebKitWebView* m_view = nullptr;
};

class WebKitEngine : public WebEngine {
 public:
  WebKitEngine() {
    WebKitWebContext* context = webkit_web_context_get_default();
    webkit_website_data_manager_set_network_proxy_settings(webkit_web_context_get_website_data_manager(context),
                                                           WEBKIT_NETWORK_PROXY_MODE_NO_PROXY, nullptr);
  }

  std::unique_ptr<WebView> CreateView(void* container, const ui::Rect& rect,
                                      std::shared_ptr<WebViewClient> client) override {
    auto view = std::make_unique<WebKitView>(static_cast<GtkWidget*>(container), rect, std::move(client), m_first);
    if (!m_first) {
      m_first = view->View();
      g_object_add_weak_pointer(G_OBJECT(m_first), reinterpret_cast<gpointer*>(&m_first));
    }
    return view;
  }

 private:
  // Every later view is related to the first one still alive, so they share its web process.
  WebKitWebView* m_first = nullptr;
};

}  // namespace

std::unique_ptr<WebEngine> MakeWebKitEngine() { return std::make_unique<WebKitEngine>(); }

void PrepareWebKitEnvironment() {
  if (std::filesystem::exists("/dev/dri")) return;
  setenv("WEBKIT_DISABLE_COMPOSITING_MODE", "1", 0);
  setenv("WEBKIT_DISABLE_DMABUF_RENDERER", "1", 0);
}

}  // namespace browser
