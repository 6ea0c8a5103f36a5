#pragma once
// The terminal's one application object: its working folders, its settings and
// everything the server tells it. Built during static initialisation in every
// process started from the program file, reached only through Instance().

#include <string>

#include "shell/ConfigFile.h"
#include "shell/WorkFolders.h"
#include "system/MachineIdentity.h"

namespace core {

class GlobalApp {
 public:
  static GlobalApp& Instance();

  GlobalApp(const GlobalApp&) = delete;
  GlobalApp& operator=(const GlobalApp&) = delete;

  // The start sequence, on the main thread before the main loop runs.
  void Init();

  shell::WorkFolders& WorkDirs() { return m_workDirs; }
  shell::ConfigFile& Config() { return m_config; }

 private:
  GlobalApp();

  std::string m_strExeDir;
  shell::WorkFolders m_workDirs;
  shell::ConfigFile m_config;
  sys::LocalIdentity m_localIdentity;
};

}  // namespace core
