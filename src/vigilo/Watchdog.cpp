#include "vigilo/Watchdog.h"

#include <glog/logging.h>
#include <unistd.h>

#include <exception>
#include <thread>

#include "system/ProgramLauncher.h"
#include "system/Processes.h"

namespace vigilo {

void RunPass(const std::string& ownFolder) {
  const auto terminals = sys::ProcessesNamed(kTerminalImage);
  LOG(INFO) << "进程id:" << (terminals.empty() ? 0 : terminals.front());
  if (terminals.empty()) {
    const std::string path = ownFolder + kTerminalImage;
    if (access(path.c_str(), X_OK) == 0) sys::StartProgram(path, {path});
    return;
  }
  if (terminals.size() != kHealthyTerminalProcesses) {
    LOG(INFO) << "进程个数:" << terminals.size();
    // The next pass finds none and starts a fresh one.
    sys::KillAllNamed(kTerminalImage, /*withDescendants=*/true);
  }
}

void Watch(const std::string& ownFolder) {
  std::this_thread::sleep_for(kFirstDelay);
  for (;;) {
    try {
      RunPass(ownFolder);
    } catch (const std::exception& e) {
      LOG(ERROR) << "看门狗检查异常:" << e.what();
    }
    std::this_thread::sleep_for(kPassInterval);
  }
}

}  // namespace vigilo
