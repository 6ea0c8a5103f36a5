#pragma once
// Readers of the server's message bodies and writers of the terminal's.

#include <string>
#include <vector>

#include "core/Records.h"

namespace core {

// How a body was read. kNotJson leaves the target as it was (and logs nothing);
// kTypeError (a key of the wrong type, a required text missing) is logged at
// ERROR with the library's message and leaves what was read before it.
enum class ReadResult { kOk, kNotJson, kTypeError };

ReadResult ReadRegisterReply(const std::string& body, int& code);
// The lists of the reply replace the state's lists.
ReadResult ReadLoginReply(const std::string& body, TerminalState& state);
// Changes the device only when the body's "Id" equals device.Id.
ReadResult ReadDeviceUpdate(const std::string& body, DeviceInfo& device, bool& sameDevice);
ReadResult ReadJobListUpdate(const std::string& body, std::vector<JobEntry>& jobs);
ReadResult ReadTodayJobs(const std::string& body, std::vector<JobEntry>& jobs, LiveInfo& live);
ReadResult ReadLiveUpdate(const std::string& body, LiveInfo& live);
// Replaces the detail's lists.
ReadResult ReadJobDetail(const std::string& body, JobDetail& detail);
ReadResult ReadAudioBroadcast(const std::string& body, AudioBroadcast& broadcast);
ReadResult ReadSetting(const std::string& body, int& value);

// Compact JSON with the keys in ascending order, then a line feed.
std::string WriteRegisterInfo(const RegisterInfo& info);

// The 13/3055 body for a report; texts are escaped for JSON.
std::string StatusReportBody(const StatusReport& report, int clientId, const LiveInfo& live,
                             const AudioBroadcast& broadcast);

}  // namespace core
