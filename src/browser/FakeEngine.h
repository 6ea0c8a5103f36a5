#pragma once
// A web engine without a web: views record what they are asked to do, and
// report load ends like a real engine does (later, on the main thread). Used by
// unit tests and by a terminal started headless.

#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "browser/WebEngine.h"

namespace browser {

class FakeWebView : public WebView {
 public:
  FakeWebView(std::shared_ptr<WebViewClient> client, const ui::Rect& rect,
              std::function<void(FakeWebView*)> onDestroyed);
  ~FakeWebView() override;

  void LoadUrl(const std::string& url) override;
  void RunScript(const std::string& script) override;
  void Place(const ui::Rect& rect) override { m_rect = rect; }
  void SetVisible(bool visible) override { m_visible = visible; }

  // Everything the view was asked, in order: "load <url>" and "script <text>".
  const std::vector<std::string>& Calls() const { return m_calls; }
  const ui::Rect& PlacedAt() const { return m_rect; }
  bool Visible() const { return m_visible; }
  // A page's call, as the engine would report it.
  void ReceiveScriptMessage(const ScriptMessage& message);

 private:
  void ReportLoadEnd();

  std::shared_ptr<WebViewClient> m_client;
  std::function<void(FakeWebView*)> m_onDestroyed;
  std::vector<std::string> m_calls;
  ui::Rect m_rect;
  bool m_visible = true;
};

class FakeEngine : public WebEngine {
 public:
  std::unique_ptr<WebView> CreateView(void* container, const ui::Rect& rect,
                                      std::shared_ptr<WebViewClient> client) override;
  // Views made so far, in order; those destroyed are gone from the list.
  std::vector<FakeWebView*> Views() const;

 private:
  mutable std::mutex m_lock;
  std::vector<FakeWebView*> m_views;
};

}  // namespace browser
