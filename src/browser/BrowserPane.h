#pragma once
// A browser pane: the control that layout files name "CefWebKit". Its view
// first loads "about:blank"; until that load ends, every operation waits in a
// queue, and all of them take effect in the order they were made, whatever
// thread made them.

#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

#include "browser/ProcessMessageHandler.h"
#include "browser/WebEngine.h"
#include "ui/Control.h"

namespace browser {

class CCefBrowserUI : public ui::Control {
 public:
  CCefBrowserUI();
  ~CCefBrowserUI() override;

  // From any thread.
  void LoadURL(const std::string& url);
  void ExecuteJavaScript(const std::string& script);

  void SetAttribute(const std::string& name, const std::string& value) override;
  void SetPos(const ui::Rect& rect) override;
  void DoInit() override;

  // The first load end sets the browser and replays the queue; later ones change nothing.
  void SetBrowser();
  void OnProcessMessage(const ScriptMessage& message);
  bool HasBrowser() const { return m_browserSet; }

 private:
  class Client;
  using Operation = std::function<void(WebView&)>;

  void Enqueue(Operation operation);
  void Drain();

  std::shared_ptr<Client> m_client;
  std::unique_ptr<WebView> m_view;  // main thread only
  CProcessMessageHandler m_messageHandler;
  std::mutex m_queueLock;
  std::deque<Operation> m_pending;
  bool m_browserSet = false;  // main thread only
  bool m_shownApplied = true;
  std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};

}  // namespace browser
