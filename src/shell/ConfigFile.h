#pragma once
// The settings that survive a restart: "basic.ini" beside the program.

#include <atomic>
#include <mutex>
#include <string>

#include "shell/IniFile.h"

namespace shell {

class ConfigFile {
 public:
  // Reads every key once; a missing file reads as all-empty and is not created.
  void Load(const std::string& path);

  // Writes ClientId, BasicAddr and FullScreen of memory to "Deploy", in one replacement.
  void Save();
  // Wipes the stored registration in the file only; memory keeps its values
  // until the process restarts.
  void Reset();

  void SetClientId(int clientId);
  void SetBasicAddr(const std::wstring& basicAddr);
  std::wstring GetBasicAddr() const;

  int ClientId() const { return m_clientId; }
  int FullScreen() const { return m_fullScreen; }
  int Type() const { return m_type; }
  int Tray() const { return m_tray; }

 private:
  std::string m_path;
  // Guards BasicAddr and keeps a save from interleaving with an update.
  mutable std::mutex m_lock;
  std::atomic<int> m_clientId{0};
  std::atomic<int> m_fullScreen{0};
  std::wstring m_basicAddr;
  std::atomic<int> m_type{0};
  std::atomic<int> m_tray{0};
};

}  // namespace shell
