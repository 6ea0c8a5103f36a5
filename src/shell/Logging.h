#pragma once
// glog settings shared by both programs: every level, no buffering, 60 MB files,
// silence on a full disk.

#include <string>

namespace shell {

class WorkFolders;

// The terminal: log files in the day's log folder, FATAL entries also in the
// crash folder, and crash signals recorded there before the process ends.
void StartTerminalLogging(const WorkFolders& folders);

// The watchdog: log files in its own folder, no failure handler.
void StartWatchdogLogging(const std::string& folder);

void StopLogging();

}  // namespace shell
