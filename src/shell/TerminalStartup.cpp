#include "shell/TerminalStartup.h"

#include <glog/logging.h>

#include <cstdlib>

#include "core/GlobalApp.h"
#include "shell/DisplaySetup.h"
#include "shell/Logging.h"
#include "shell/ProcessRole.h"
#include "shell/QuitSignals.h"
#include "shell/SingleInstance.h"
#include "system/ProgramLauncher.h"
#include "tools/Paths.h"
#include "ui/MainLoop.h"

namespace shell {

int RunTerminal(int argc, const char* const* argv) {
  const std::string exeDir = tools::ModuleDirectory();

  // Every program we start inherits it, as on the original platform.
  setenv("ComSpec", (exeDir.substr(0, exeDir.size() - 1) + "/cmd.exe").c_str(), 1);

  if (RoleFromCommandLine(argc, argv) != ProcessRole::kBrowser) return 0;
  if (IsSecondInstance("Vireo_Only_Instance")) return 0;

  core::GlobalApp& app = core::GlobalApp::Instance();
  app.WorkDirs().OwnTempFolder();
  StartTerminalLogging(app.WorkDirs());
  QuitOnStopSignals();
  if (!SetUpDisplay(argc, argv, exeDir)) {
    StopLogging();
    return -1;
  }

  // A second watchdog ends by itself, so it is started on every start-up.
  sys::StartProgram(exeDir + "Vigilo", {});

  app.Init();
  LOG(INFO) << "进入消息循环";
  const int exitCode = ui::RunMainLoop();
  LOG(INFO) << "消息循环结束，退出码:" << exitCode;
  app.Shutdown();

  StopLogging();
  return exitCode;
}

}  // namespace shell
