#pragma once
// The day's log, crash and temporary folders below the program folder. The date
// is taken once, so a terminal running past midnight keeps its start day's folders.

#include <string>

namespace shell {

class WorkFolders {
 public:
  // Creates the three folders; a failure is reported on stderr and start-up goes on.
  WorkFolders(const std::string& moduleDir, const std::string& date);
  // Removes the temporary folder with its contents, if this process owns it.
  ~WorkFolders();

  WorkFolders(const WorkFolders&) = delete;
  WorkFolders& operator=(const WorkFolders&) = delete;

  // Only the running terminal removes the temporary folder at its normal end:
  // helper processes and a refused second start share the folder with it.
  void OwnTempFolder() { m_ownsTempFolder = true; }

  const std::string& LogFolder() const { return m_logFolder; }
  const std::string& CrashFolder() const { return m_crashFolder; }
  const std::string& TempFolder() const { return m_tempFolder; }

 private:
  std::string m_logFolder;
  std::string m_crashFolder;
  std::string m_tempFolder;
  bool m_ownsTempFolder = false;
};

}  // namespace shell
