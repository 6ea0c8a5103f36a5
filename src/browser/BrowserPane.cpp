#include "browser/BrowserPane.h"

#include <glog/logging.h>

#include "ui/MainLoop.h"
#include "ui/Window.h"

namespace browser {

// The view's reports reach the pane only while it exists.
class CCefBrowserUI::Client : public WebViewClient {
 public:
  explicit Client(CCefBrowserUI* owner) : m_owner(owner) {}
  void Detach() { m_owner = nullptr; }
  void OnLoadEnd() override {
    if (m_owner) m_owner->SetBrowser();
  }
  void OnScriptMessage(const ScriptMessage& message) override {
    if (m_owner) m_owner->OnProcessMessage(message);
  }

 private:
  CCefBrowserUI* m_owner;
};

CCefBrowserUI::CCefBrowserUI() : ui::Control("CefWebKit"), m_client(std::make_shared<Client>(this)) {}

CCefBrowserUI::~CCefBrowserUI() {
  *m_alive = false;
  m_client->Detach();
  std::lock_guard<std::mutex> guard(m_queueLock);
  m_pending.clear();
}

void CCefBrowserUI::DoInit() {
  CHECK(ui::OnMainThread()) << "Check failed: CEF_RUN_ON_MAIN_THREAD() ";
  void* container = GetWindow() && GetWindow()->Native() ? GetWindow()->Native()->ChildContainer() : nullptr;
  m_view = CurrentEngine().CreateView(container, GetPos(), m_client);
}

void CCefBrowserUI::LoadURL(const std::string& url) {
  Enqueue([this, url](WebView& view) {
    LOG(INFO) << "[" << Name() << "] 加载:" << url;
    view.LoadUrl(url);
  });
}

void CCefBrowserUI::ExecuteJavaScript(const std::string& script) {
  Enqueue([this, script](WebView& view) {
    LOG(INFO) << "[" << Name() << "] 执行脚本:" << script;
    view.RunScript(script);
  });
}

void CCefBrowserUI::SetAttribute(const std::string& name, const std::string& value) {
  if (name == "url") LoadURL(value);
  else ui::Control::SetAttribute(name, value);
}

void CCefBrowserUI::SetPos(const ui::Rect& rect) {
  ui::Control::SetPos(rect);
  Enqueue([rect](WebView& view) { view.Place(rect); });
  // Every layout pass also tells whether the pane shows (its tab page may have changed).
  const bool shown = IsShown();
  if (shown != m_shownApplied) {
    m_shownApplied = shown;
    Enqueue([shown](WebView& view) { view.SetVisible(shown); });
  }
}

void CCefBrowserUI::SetBrowser() {
  if (m_browserSet || !m_view) return;
  m_browserSet = true;
  Drain();
}

void CCefBrowserUI::OnProcessMessage(const ScriptMessage& message) { m_messageHandler.OnProcessMessage(message); }

void CCefBrowserUI::Enqueue(Operation operation) {
  {
    std::lock_guard<std::mutex> guard(m_queueLock);
    m_pending.push_back(std::move(operation));
  }
  if (ui::OnMainThread()) {
    Drain();
  } else {
    ui::PostToMainThread([this, alive = std::weak_ptr<bool>(m_alive)] {
      if (alive.lock()) Drain();
    });
  }
}

void CCefBrowserUI::Drain() {
  if (!m_browserSet) return;
  for (;;) {
    Operation operation;
    {
      std::lock_guard<std::mutex> guard(m_queueLock);
      if (m_pending.empty()) return;
      operation = std::move(m_pending.front());
      m_pending.pop_front();
    }
    operation(*m_view);
  }
}

}  // namespace browser
