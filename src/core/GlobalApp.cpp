#include "core/GlobalApp.h"

#include <glog/logging.h>

#include "system/NetworkTables.h"
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

void GlobalApp::Init() {
  m_strExeDir = tools::ModuleDirectory();
  m_localIdentity = sys::ReadLocalIdentity();
  LOG(INFO) << "Ip:" << m_localIdentity.ip;
  LOG(INFO) << "MAC:" << m_localIdentity.mac;
}

}  // namespace core
