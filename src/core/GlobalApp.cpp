#include "core/GlobalApp.h"

#include "tools/Paths.h"
#include "tools/Today.h"

namespace core {

GlobalApp& GlobalApp::Instance() {
  static GlobalApp app;
  return app;
}

GlobalApp::GlobalApp() : m_workDirs(tools::ModuleDirectory(), tools::TodayAsText()) {
  m_config.Load(tools::ModuleDirectory() + "basic.ini");
}

void GlobalApp::Init() { m_strExeDir = tools::ModuleDirectory(); }

}  // namespace core
