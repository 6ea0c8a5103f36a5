#pragma once
// What a browser pane needs of a web engine: views that load addresses, run
// script and report their first load end and the pages' calls.

#include <memory>
#include <string>

#include "browser/ScriptMessage.h"
#include "ui/Geometry.h"

namespace browser {

class WebView {
 public:
  virtual ~WebView() = default;
  virtual void LoadUrl(const std::string& url) = 0;
  virtual void RunScript(const std::string& script) = 0;
  // In the window's client coordinates.
  virtual void Place(const ui::Rect& rect) = 0;
  virtual void SetVisible(bool visible) = 0;
};

// Reports of one view, always on the main thread.
class WebViewClient {
 public:
  virtual ~WebViewClient() = default;
  virtual void OnLoadEnd() = 0;
  virtual void OnScriptMessage(const ScriptMessage& message) = 0;
};

class WebEngine {
 public:
  virtual ~WebEngine() = default;
  // A view in `container` (the window's native child container) that first
  // loads "about:blank". The engine holds the client as long as it may report.
  virtual std::unique_ptr<WebView> CreateView(void* container, const ui::Rect& rect,
                                              std::shared_ptr<WebViewClient> client) = 0;
};

WebEngine& CurrentEngine();
void SetEngine(std::unique_ptr<WebEngine> engine);

}  // namespace browser
