// Vigilo, the terminal's watchdog: one windowless instance beside Vireo that
// starts the terminal when it is gone. It ends only when killed.

#include "shell/Logging.h"
#include "shell/SingleInstance.h"
#include "tools/Paths.h"
#include "vigilo/Watchdog.h"

int main() {
  if (shell::IsSecondInstance("Vigilo_Only_Instance")) return 0;
  const std::string ownFolder = tools::ModuleDirectory();
  shell::StartWatchdogLogging(ownFolder);
  vigilo::Watch(ownFolder);
}
