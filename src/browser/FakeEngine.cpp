#include "browser/FakeEngine.h"

#include <algorithm>

#include "ui/MainLoop.h"

namespace browser {

FakeWebView::FakeWebView(std::shared_ptr<WebViewClient> client, const ui::Rect& rect,
                         std::function<void(FakeWebView*)> onDestroyed)
    : m_client(std::move(client)), m_onDestroyed(std::move(onDestroyed)), m_rect(rect) {
  LoadUrl("about:blank");
}

FakeWebView::~FakeWebView() { m_onDestroyed(this); }

void FakeWebView::LoadUrl(const std::string& url) {
  m_calls.push_back("load " + url);
  ReportLoadEnd();
}

void FakeWebView::RunScript(const std::string& script) { m_calls.push_back("script " + script); }

void FakeWebView::ReportLoadEnd() {
  // Like a real engine: later, on the main thread, and only while the client listens.
  ui::PostToMainThread([client = std::weak_ptr<WebViewClient>(m_client)] {
    if (auto alive = client.lock()) alive->OnLoadEnd();
  });
}

void FakeWebView::ReceiveScriptMessage(const ScriptMessage& message) {
  ui::PostToMainThread([client = std::weak_ptr<WebViewClient>(m_client), message] {
    if (auto alive = client.lock()) alive->OnScriptMessage(message);
  });
}

std::unique_ptr<WebView> FakeEngine::CreateView(void*, const ui::Rect& rect, std::shared_ptr<WebViewClient> client) {
  auto view = std::make_unique<FakeWebView>(std::move(client), rect, [this](FakeWebView* gone) {
    std::lock_guard<std::mutex> guard(m_lock);
    m_views.erase(std::remove(m_views.begin(), m_views.end(), gone), m_views.end());
  });
  std::lock_guard<std::mutex> guard(m_lock);
  m_views.push_back(view.get());
  return view;
}

std::vector<FakeWebView*> FakeEngine::Views() const {
  std::lock_guard<std::mutex> guard(m_lock);
  return m_views;
}

}  // namespace browser
