#include "browser/WebEngine.h"

#include "browser/FakeEngine.h"

namespace browser {
namespace {

std::unique_ptr<WebEngine>& Current() {
  static std::unique_ptr<WebEngine> engine = std::make_unique<FakeEngine>();
  return engine;
}

}  // namespace

WebEngine& CurrentEngine() { return *Current(); }

void SetEngine(std::unique_ptr<WebEngine> engine) { Current() = std::move(engine); }

}  // namespace browser
