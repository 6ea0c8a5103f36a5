// Any message body through every reader of the server's messages.

#include <glog/logging.h>

#include <cstdint>
#include <string>

#include "core/JsonUtil.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  FLAGS_minloglevel = google::GLOG_FATAL;  // the readers log every mistyped body
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string body(reinterpret_cast<const char*>(data), size);
  int value = 0;
  bool sameDevice = false;
  core::TerminalState state;
  core::JobDetail detail;
  core::AudioBroadcast broadcast;
  core::LiveInfo live;
  std::vector<core::JobEntry> jobs;
  core::ReadRegisterReply(body, value);
  core::ReadLoginReply(body, state);
  state.device.Id = value;
  core::ReadDeviceUpdate(body, state.device, sameDevice);
  core::ReadJobListUpdate(body, jobs);
  core::ReadTodayJobs(body, jobs, live);
  core::ReadLiveUpdate(body, live);
  core::ReadJobDetail(body, detail);
  core::ReadAudioBroadcast(body, broadcast);
  core::ReadSetting(body, value);
  return 0;
}
