#include "shell/Logging.h"

#include <glog/logging.h>

#include "shell/WorkFolders.h"

namespace shell {
namespace {

void ApplyCommonSettings(const std::string& logFolder) {
  FLAGS_minloglevel = google::GLOG_INFO;
  FLAGS_logbufsecs = 0;
  FLAGS_max_log_size = 60;
  FLAGS_stop_logging_if_full_disk = true;
  FLAGS_log_dir = logFolder;
}

// Called by the failure signal handler with its report piece by piece. The
// first piece (the time of the failure) becomes a FATAL entry, which reaches
// the crash folder and ends the process.
void WriteFailure(const char* data, size_t size) { LOG(FATAL) << std::string(data, size); }

}  // namespace

void StartTerminalLogging(const WorkFolders& folders) {
  ApplyCommonSettings(folders.LogFolder());
  google::InitGoogleLogging("Vireo");
  google::SetLogDestination(google::GLOG_FATAL, folders.CrashFolder().c_str());
  google::InstallFailureSignalHandler();
  google::InstallFailureWriter(&WriteFailure);
}

void StartWatchdogLogging(const std::string& folder) {
  ApplyCommonSettings(folder);
  google::InitGoogleLogging("Vigilo");
}

void StopLogging() { google::ShutdownGoogleLogging(); }

}  // namespace shell
