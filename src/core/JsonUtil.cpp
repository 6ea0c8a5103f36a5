#include "core/JsonUtil.h"

#include <glog/logging.h>
#include <json/json.h>

#include <memory>

#include "tools/Format.h"

namespace core {
namespace {

bool Parse(const std::string& body, Json::Value& root) {
  std::string errors;
  const std::unique_ptr<Json::CharReader> reader(Json::CharReaderBuilder().newCharReader());
  return reader->parse(body.data(), body.data() + body.size(), &root, &errors);
}

// Runs a reader over a parsed body; a type error is logged with the library's message.
template <typename Read>
ReadResult ReadBody(const std::string& body, Read read) {
  Json::Value root;
  if (!Parse(body, root)) return ReadResult::kNotJson;
  try {
    read(root);
    return ReadResult::kOk;
  } catch (const Json::Exception& e) {
    LOG(ERROR) << "报文字段类型错误:" << e.what();
    return ReadResult::kTypeError;
  }
}

int Int(const Json::Value& object, const char* key) { return object[key].asInt(); }

std::string Text(const Json::Value& object, const char* key) {
  const Json::Value& value = object[key];
  if (!value.isString()) Json::throwLogicError(std::string("\"") + key + "\" is not a string");
  return value.asString();
}

void OptionalText(const Json::Value& object, const char* key, std::string& target) {
  if (object.isMember(key) && !object[key].isNull()) target = Text(object, key);
}

MediaFile ReadMediaFile(const Json::Value& value) {
  MediaFile file;
  file.Id = Text(value, "Id");
  file.Order = Int(value, "Order");
  file.Name = Text(value, "Name");
  file.StateId = Int(value, "StateId");
  file.State = Text(value, "State");
  file.TrueWebPath = Text(value, "TrueWebPath");
  file.Size = value["Size"].asInt64();
  file.Time = Text(value, "Time");
  file.FileType = Int(value, "FileType");
  return file;
}

// The columns a job list carries depend on the message.
enum class JobSource { kLogin, kListUpdate, kTodayJobs };

JobEntry ReadJobEntry(const Json::Value& value, JobSource source) {
  JobEntry job;
  job.OrderNo = Int(value, "OrderNo");
  job.Id = Int(value, "Id");
  if (source == JobSource::kLogin) OptionalText(value, "Name", job.Name);
  else job.Name = Text(value, "Name");
  job.BootTime = Text(value, "BootTime");
  job.StopTime = Text(value, "StopTime");
  if (source != JobSource::kListUpdate) job.State = Int(value, "State");
  if (source != JobSource::kTodayJobs) job.Level = Int(value, "Level");
  return job;
}

void ReadLiveObject(const Json::Value& value, LiveInfo& live) {
  live.LivePath = Text(value, "LivePath");
  live.State = Int(value, "State");
  live.Id = Text(value, "Id");
}

void ReadDevice(const Json::Value& value, DeviceInfo& device) {
  device.Id = Int(value, "Id");
  OptionalText(value, "DeviceName", device.DeviceName);
  OptionalText(value, "Ip", device.Ip);
  device.RoomId = Int(value, "RoomId");
  OptionalText(value, "Position", device.Position);
  device.BuildingId = Int(value, "BuildingId");
  OptionalText(value, "BuildingName", device.BuildingName);
  device.Type = Int(value, "Type");
  device.Volume = Int(value, "Volume");
  device.FloorNumber = Int(value, "FloorNumber");
  OptionalText(value, "AssetNumber", device.AssetNumber);
}

std::string Escaped(const std::string& text) {
  std::string out;
  for (const char c : text) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) out += tools::FormatText("\\u%04x", c);
        else out += c;
    }
  }
  return out;
}

}  // namespace

ReadResult ReadRegisterReply(const std::string& body, int& code) {
  return ReadBody(body, [&](const Json::Value& root) { code = Int(root, "ID"); });
}

ReadResult ReadLoginReply(const std::string& body, TerminalState& state) {
  return ReadBody(body, [&](const Json::Value& root) {
    ReadDevice(root["DeviceRt"], state.device);
    state.Time = Text(root, "Time");
    state.WeekendSetting = Int(root, "WeekendSetting");
    state.ImageSpeed = Int(root, "ImageSpeed");
    state.TextSpeed = Int(root, "TextSpeed");
    // Each login replaces today's jobs: a reconnect must not list them twice.
    state.todayJobs.clear();
    for (const auto& job : root["TodayJob"]) state.todayJobs.push_back(ReadJobEntry(job, JobSource::kLogin));
    const Json::Value& live = root["LiveJob"];
    if (live.isNull()) state.live.State = 0;
    else ReadLiveObject(live, state.live);
    state.switchSettings.clear();
    for (const auto& value : root["SwitchSetting"]) {
      SwitchSetting setting;
      setting.Id = Int(value, "Id");
      setting.SettingValue = Int(value, "SettingValue");
      OptionalText(value, "BootTime", setting.BootTime);
      OptionalText(value, "ShutdownTime", setting.ShutdownTime);
      state.switchSettings.push_back(setting);
    }
    state.fullScreen = 0;
  });
}

ReadResult ReadDeviceUpdate(const std::string& body, DeviceInfo& device, bool& sameDevice) {
  sameDevice = false;
  return ReadBody(body, [&](const Json::Value& root) {
    if (Int(root, "Id") != device.Id) return;
    sameDevice = true;
    device.DeviceName = Text(root, "DeviceName");
    device.Position = Text(root, "Position");
    device.BuildingId = Int(root, "BuildingId");
    device.BuildingName = Text(root, "BuildingName");
    device.Type = Int(root, "Type");
    device.Volume = Int(root, "Volume");
    device.FloorNumber = Int(root, "FloorNumber");
  });
}

ReadResult ReadJobListUpdate(const std::string& body, std::vector<JobEntry>& jobs) {
  return ReadBody(body, [&](const Json::Value& root) {
    std::vector<JobEntry> read;
    for (const auto& job : root) read.push_back(ReadJobEntry(job, JobSource::kListUpdate));
    jobs = std::move(read);
  });
}

ReadResult ReadTodayJobs(const std::string& body, std::vector<JobEntry>& jobs, LiveInfo& live) {
  return ReadBody(body, [&](const Json::Value& root) {
    std::vector<JobEntry> read;
    for (const auto& job : root["TodayJob"]) read.push_back(ReadJobEntry(job, JobSource::kTodayJobs));
    LiveInfo readLive;
    if (!root["LiveJob"].isNull()) ReadLiveObject(root["LiveJob"], readLive);
    jobs = std::move(read);
    live = readLive;
  });
}

ReadResult ReadLiveUpdate(const std::string& body, LiveInfo& live) {
  return ReadBody(body, [&](const Json::Value& root) {
    live.LivePath = Text(root, "SMSRPath");
    live.State = Int(root, "State");
    live.Id = Text(root, "ID");
  });
}

ReadResult ReadJobDetail(const std::string& body, JobDetail& detail) {
  return ReadBody(body, [&](const Json::Value& root) {
    detail.Id = Int(root, "Id");
    detail.Name = Text(root, "Name");
    detail.StartDay = Text(root, "StartDay");
    detail.EndDay = Text(root, "EndDay");
    detail.Pattern = Int(root, "Pattern");
    OptionalText(root, "SelectDay", detail.SelectDay);
    detail.Level = Int(root, "Level");
    detail.Volume = Int(root, "Volume");
    detail.Type = Int(root, "Type");
    detail.TemplateId = Int(root, "TemplateId");
    detail.TemplateName = Text(root, "TemplateName");
    detail.TemplateCount = Int(root, "TemplateCount");
    detail.HasFoot = Int(root, "HasFoot");
    detail.CanEdit = Int(root, "CanEdit");
    // A detail read again replaces its lists: a job picked twice must not play its music twice.
    detail.Musics.clear();
    for (const auto& music : root["Musics"]) detail.Musics.push_back(ReadMediaFile(music));
    const Json::Value& times = root["JobTimes"];
    detail.TimesMode = Int(times, "Mode");
    detail.TimesNumber = Int(times, "Number");
    detail.Times.clear();
    for (const auto& time : times["Times"]) detail.Times.push_back({Text(time, "BootTime"), Text(time, "StopTime")});
    detail.ScreenFiles.clear();
    for (const auto& screen : root["ScreenFiles"]) {
      ScreenFile files;
      files.IdentifyId = Int(screen, "IdentifyId");
      for (const auto& file : screen["Files"]) files.Files.push_back(ReadMediaFile(file));
      detail.ScreenFiles.push_back(std::move(files));
    }
  });
}

ReadResult ReadAudioBroadcast(const std::string& body, AudioBroadcast& broadcast) {
  return ReadBody(body, [&](const Json::Value& root) {
    broadcast.ID = Int(root, "ID");
    broadcast.Name = Text(root, "Name");
    broadcast.PLevel = Int(root, "PLevel");
    broadcast.FileID = Text(root, "FileID");
    broadcast.FileName = Text(root, "FileName");
    broadcast.WebPath = Text(root, "WebPath");
    broadcast.Volume = Int(root, "Volume");
    broadcast.SessionId = Text(root, "SessionId");
  });
}

ReadResult ReadSetting(const std::string& body, int& value) {
  return ReadBody(body, [&](const Json::Value& root) { value = Int(root, "SettingValue"); });
}

std::string WriteRegisterInfo(const RegisterInfo& info) {
  Json::Value root(Json::objectValue);
  root["AssetNumber"] = "";
  root["BuildingId"] = info.BuildingId;
  root["DeviceName"] = info.DeviceName;
  root["FloorNumber"] = info.FloorNumber;
  root["Ip"] = info.Ip;
  root["Position"] = info.Position;
  root["RoomId"] = info.RoomId;
  root["Type"] = info.Type;
  Json::StreamWriterBuilder builder;
  builder["indentation"] = "";
  builder["emitUTF8"] = true;
  return Json::writeString(builder, root) + "\n";
}

std::string StatusReportBody(const StatusReport& report, int clientId, const LiveInfo& live,
                             const AudioBroadcast& broadcast) {
  int type = 1;
  std::string id, name, fileId = report.FileID, fileName = report.FileName;
  switch (report.Kind) {
    case kReportLive:
      type = 0;
      id = live.Id;
      name = live.LivePath;
      break;
    case kReportJob:
    case kReportFile:
      id = std::to_string(report.job.Id);
      name = report.job.Name;
      break;
    case kReportAudio:
      id = std::to_string(broadcast.ID);
      name = broadcast.Name;
      fileId = broadcast.FileID;
      fileName = broadcast.FileName;
      break;
    default:
      return std::string();
  }
  return tools::FormatText(
      "{\"ID\":%d,\"State\":%d,\"Type\":%d,\"BCID\":\"%s\",\"BCName\":\"%s\",\"FileID\":\"%s\",\"FileName\":\"%s\"}",
      clientId, report.State, type, Escaped(id).c_str(), Escaped(name).c_str(), Escaped(fileId).c_str(),
      Escaped(fileName).c_str());
}

}  // namespace core
