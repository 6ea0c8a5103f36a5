#include "shell/DisplaySetup.h"

#include <glog/logging.h>
#include <gtk/gtk.h>

#include <cstdlib>
#include <cstring>

#include "browser/FakeEngine.h"
#include "browser/webkit/WebKitEngine.h"
#include "ui/Painter.h"
#include "ui/Window.h"
#include "ui/gtk/GtkPainter.h"

namespace shell {
namespace {

bool HeadlessWanted(int argc, const char* const* argv) {
  for (int i = 1; i < argc; ++i)
    if (std::strcmp(argv[i], "--headless") == 0) return true;
  const char* flag = std::getenv("VIREO_HEADLESS");
  return flag && std::strcmp(flag, "1") == 0;
}

}  // namespace

bool SetUpDisplay(int argc, const char* const* argv, const std::string& exeDir) {
  ui::SetResourceFolder(exeDir + "skin/");
  if (HeadlessWanted(argc, argv)) {
    LOG(INFO) << "无界面模式运行";
    ui::SetPainter(ui::MakeHeadlessPainter());
    browser::SetEngine(std::make_unique<browser::FakeEngine>());
    return true;
  }
  browser::PrepareWebKitEnvironment();
  if (!gtk_init_check(nullptr, nullptr)) {
    LOG(ERROR) << "无法打开显示，界面无法启动";
    return false;
  }
  ui::SetPainter(ui::MakeGtkPainter());
  browser::SetEngine(browser::MakeWebKitEngine());
  return true;
}

}  // namespace shell
