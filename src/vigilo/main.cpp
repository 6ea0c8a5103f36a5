// Vigilo, the terminal's watchdog: a single windowless instance beside Vireo.

#include <glog/logging.h>
#include <unistd.h>

#include "shell/Logging.h"
#include "shell/SingleInstance.h"
#include "tools/Paths.h"

int main() {
  if (shell::IsSecondInstance("Vigilo_Only_Instance")) return 0;
  shell::StartWatchdogLogging(tools::ModuleDirectory());
  LOG(INFO) << "看门狗已启动";
  // It ends only when killed. Until its watch passes over the terminal exist,
  // it holds its single instance and waits.
  for (;;) pause();
}
