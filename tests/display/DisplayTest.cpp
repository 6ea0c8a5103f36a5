#include <gtk/gtk.h>
#include <gtest/gtest.h>
#include <webkit2/webkit2.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "LogCapture.h"
#include "PumpMainThread.h"
#include "RecordingActions.h"
#include "browser/BrowserPane.h"
#include "form/CDuiDialog.h"
#include "ui/Controls.h"
#include "ui/MainLoop.h"

namespace {

namespace fs = std::filesystem;
using browser::CCefBrowserUI;
using testing_support::LogCapture;
using testing_support::PumpUntil;
using testing_support::RecordingActions;


// Any window of the skin, with real panes.
class SkinWindow : public form::CDuiDialog {
 public:
  explicit SkinWindow(const std::string& layout) : form::CDuiDialog("SkinWindow", layout) {
    ui::SetResourceFolder(std::string(VIREO_BIN_DIR) + "/skin/");
  }

 protected:
  std::unique_ptr<ui::Control> CreateControl(const std::string& className) override {
    if (className == "CefWebKit") return std::make_unique<CCefBrowserUI>();
    return nullptr;
  }
};


std::vector<WebKitWebView*> WebViewsOf(ui::Window& window) {
  std::vector<WebKitWebView*> views;
  GList* children = gtk_container_get_children(GTK_CONTAINER(window.Native()->ChildContainer()));
  for (GList* child = children; child; child = child->next)
    if (WEBKIT_IS_WEB_VIEW(child->data)) views.push_back(WEBKIT_WEB_VIEW(child->data));
  g_list_free(children);
  return views;
}

std::string PageFile(const std::string& name, const std::string& html) {
  const fs::path folder = fs::temp_directory_path() / ("vireo-pages-" + std::to_string(getpid()));
  fs::create_directories(folder);
  std::ofstream(folder / name) << html;
  return "file://" + (folder / name).string();
}

void SaveScreenshot(ui::Window& window, const std::string& name) {
  const fs::path folder = fs::path(VIREO_SCREENSHOT_DIR);
  fs::create_directories(folder);
  const ui::Rect& rect = window.GetWindowRect();
  GdkPixbuf* shot = gdk_pixbuf_get_from_window(gdk_get_default_root_window(), rect.left, rect.top, rect.Width(),
                                               rect.Height());
  ASSERT_NE(shot, nullptr) << name;
  EXPECT_TRUE(gdk_pixbuf_save(shot, (folder / (name + ".png")).c_str(), "png", nullptr, nullptr));
  g_object_unref(shot);
}

// Lets GTK and WebKit draw what the model says.
void Draw(std::chrono::milliseconds time = std::chrono::milliseconds(800)) {
  const auto until = std::chrono::steady_clock::now() + time;
  PumpUntil([&] { return std::chrono::steady_clock::now() > until; });
}

const char kCallingPage[] = R"(<!doctype html><html><head><meta charset="utf-8"></head><body>
<iframe srcdoc="<script>WriteLog('iframe', 11)</script>"></iframe>
<script>
  window.onerror = function () { WriteLog('script error', -1); };
  var results = [
    StopMovieEvent(), SendpdfInfo(3, 4), FinishPdfDisplay(),
    ResustContentArea(1.0), ResustContentArea("1"),
    FileStateNotify(2, 1), WriteLog(5, 2), WriteLog('页面', 7), StopAudioEvent()
  ];
  WriteLog('undefined:' + results.every(function (r) { return r === undefined; }), 0);
</script></body></html>)";

TEST(Display, PagesCallTheSevenFunctionsInEveryFrameAndEveryLoad) {
  RecordingActions actions;
  browser::SetScriptActions(&actions);
  LogCapture log;
  SkinWindow window("Dui_TransWnd.xml");
  ASSERT_TRUE(window.Create(nullptr, "bridge", 0, 0, {0, 0, 800, 600}));
  auto pane = std::make_unique<CCefBrowserUI>();
  CCefBrowserUI* raw = pane.get();
  window.Root()->Add(std::move(pane));  // a pane added after creation joins like any other
  raw->SetWindow(&window);
  raw->DoInit();
  window.ShowWindow(true);

  raw->LoadURL(PageFile("calls.html", kCallingPage));
  ASSERT_TRUE(PumpUntil([&] { return log.Count("undefined:") > 0 && log.Count("iframe:11") > 0; }));
  EXPECT_EQ(log.Count("undefined:true:0"), 1);
  EXPECT_EQ(log.Count("script error"), 0);
  EXPECT_EQ(actions.calls, (std::vector<std::string>{"SetContentInset 1", "SetContentInset 0",
                                                     "ReportFileState 2 1", "StopAudio"}));
  EXPECT_EQ(log.CountAt(google::GLOG_INFO, "页面:7"), 1);
  EXPECT_GE(log.Count(":2"), 1);  // WriteLog with a number first: empty text before the ':'

  raw->LoadURL(PageFile("again.html", "<script>WriteLog('second page', 2)</script>"));
  EXPECT_TRUE(PumpUntil([&] { return log.Count("second page:2") > 0; }));
  browser::SetScriptActions(nullptr);

  // A right click finds its menu already handled: nothing is shown.
  const auto views = WebViewsOf(window);
  ASSERT_EQ(views.size(), 1u);
  WebKitContextMenu* menu = webkit_context_menu_new();
  GdkEvent* click = gdk_event_new(GDK_BUTTON_PRESS);
  gboolean handled = FALSE;
  g_signal_emit_by_name(views[0], "context-menu", menu, click, nullptr, &handled);
  EXPECT_TRUE(handled);
  gdk_event_free(click);
  g_object_unref(menu);
}

TEST(Display, PanesMoveWithTheirControlsAndShareOneWebProcess) {
  SkinWindow frame("Dui_contentframe_1080.xml");
  ASSERT_TRUE(frame.Create(nullptr, "content", 0, 0, {0, 0, 1600, 900}));
  frame.ShowWindow(true);
  std::vector<CCefBrowserUI*> panes;
  for (const char* name : {"cef_freetime_area", "cef_audio_area", "cef_movie_area", "cef_webres_area",
                           "cef_webres_area21", "cef_webres_area22"})
    panes.push_back(frame.Find<CCefBrowserUI>(name));
  ASSERT_TRUE(PumpUntil([&] {
    for (auto* pane : panes)
      if (!pane->HasBrowser()) return false;
    return true;
  }));

  int webProcesses = 0;
  for (const auto& entry : fs::directory_iterator("/proc")) {
    std::ifstream stat(entry.path() / "stat");
    std::string pid, comm, state;
    pid_t parent = 0;
    if (stat >> pid >> comm >> state >> parent && parent == getpid() && comm.find("WebKitWebProces") != std::string::npos)
      ++webProcesses;
  }
  EXPECT_EQ(webProcesses, 1);

  frame.Find<ui::TabLayout>("contentframe_1080_tlayout_12")->SelectItem(7);
  frame.ResizeClient(1200, 700);
  Draw();
  auto* left = frame.Find<CCefBrowserUI>("cef_webres_area21");
  GtkAllocation allocation;
  bool found = false;
  for (WebKitWebView* view : WebViewsOf(frame)) {
    gtk_widget_get_allocation(GTK_WIDGET(view), &allocation);
    if (gtk_widget_get_visible(GTK_WIDGET(view)) && allocation.x == left->GetPos().left &&
        allocation.y == left->GetPos().top && allocation.width == left->GetPos().Width())
      found = true;
  }
  EXPECT_TRUE(found) << "no view at " << left->GetPos().left << "," << left->GetPos().top;
  EXPECT_EQ(left->GetPos().Width(), 600);
}

TEST(Display, ScreenshotsOfTheSevenWindows) {
  struct Shot {
    const char* layout;
    const char* name;
    std::function<void(ui::Window&)> dress;
  };
  const Shot shots[] = {
      {"Dui_contentframe_1080.xml", "content_frame_disconnected",
       [](ui::Window& w) { w.Find<ui::TabLayout>("contentframe_1080_tlayout_12")->SelectItem(2); }},
      {"Dui_contentframe_1080.xml", "content_frame_alarm",
       [](ui::Window& w) { w.Find<ui::TabLayout>("contentframe_1080_tlayout_12")->SelectItem(6); }},
      {"Dui_TopBar_1080.xml", "top_bar",
       [](ui::Window& w) {
         w.FindControl("contentframe_1080_lbl_client_name")->SetText("一号教学楼大厅");
         w.FindControl("contentframe_1080_lbl_time_min")->SetText("8:07");
         w.FindControl("contentframe_1080_lbl_time_day")->SetText("2024-3-5 星期二");
         w.FindControl("contentframe_1080_ctrl_weather_icon")->SetAttribute("bkimage", "1080/天气/晴转多云.png");
         w.FindControl("contentframe_1080_lbl_weather_text")->SetText("多云 -3℃");
       }},
      {"Dui_RegisterWnd_1080.xml", "register_1080",
       [](ui::Window& w) { w.FindControl("frametab1_ipaddr")->SetText("192.0.2.5"); }},
      {"Dui_RegisterWnd_756.xml", "register_756", [](ui::Window&) {}},
      {"Dui_TopButtion.xml", "top_buttons", [](ui::Window&) {}},
      {"Dui_TransWnd.xml", "transparent", [](ui::Window&) {}},
      {"Dui_MessageBox.xml", "message_box",
       [](ui::Window& w) { w.FindControl("lbl_tip_text")->SetText("设备名称重复，请重新命名"); }},
  };
  for (const auto& shot : shots) {
    SkinWindow window(shot.layout);
    ASSERT_TRUE(window.Create(nullptr, shot.name, 0, 0)) << shot.layout;
    shot.dress(window);
    window.ShowWindow(true);
    Draw();
    SaveScreenshot(window, shot.name);
  }
}

}  // namespace
