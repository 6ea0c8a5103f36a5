#include "shell/WorkFolders.h"

#include <filesystem>
#include <iostream>

namespace shell {

namespace fs = std::filesystem;

WorkFolders::WorkFolders(const std::string& moduleDir, const std::string& date)
    : m_logFolder(moduleDir + "terminal_log/" + date + "/"),
      m_crashFolder(moduleDir + "crash/" + date + "/"),
      m_tempFolder(moduleDir + "Temp/" + date + "/") {
  // No display and no log exist yet during static initialisation: stderr is the only channel.
  for (const auto* folder : {&m_logFolder, &m_crashFolder, &m_tempFolder}) {
    std::error_code error;
    fs::create_directories(*folder, error);
    if (error || !fs::is_directory(*folder)) std::cerr << "创建文件夹失败" << std::endl;
  }
}

WorkFolders::~WorkFolders() {
  if (!m_ownsTempFolder) return;
  std::error_code error;
  if (!fs::is_directory(m_tempFolder, error)) return;
  fs::remove_all(m_tempFolder, error);
  if (error) std::cerr << "删除Temp文件夹失败" << std::endl;
}

}  // namespace shell
