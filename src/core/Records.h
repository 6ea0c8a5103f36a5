#pragma once
// What the server tells the terminal, and what the terminal reports back.
// Texts are local text.

#include <cstdint>
#include <string>
#include <vector>

namespace core {

struct DeviceInfo {
  int Id = 0;  // the client id; -4 and -5 are login results
  std::string DeviceName;
  std::string Ip;
  int RoomId = 0;
  std::string Position;
  int BuildingId = 0;
  std::string BuildingName;
  int Type = 0;
  int Volume = 0;
  int FloorNumber = 0;
  std::string AssetNumber;
};

struct MediaFile {
  std::string Id;
  int Order = 0;
  std::string Name;
  int StateId = 0;
  std::string State;
  std::string TrueWebPath;
  int64_t Size = 0;
  std::string Time;
  int FileType = 0;
};

struct JobTime {
  std::string BootTime;
  std::string StopTime;
};

struct ScreenFile {
  int IdentifyId = 0;
  std::vector<MediaFile> Files;
};

struct JobDetail {
  int Id = 0;
  std::string Name;
  std::string StartDay;
  std::string EndDay;
  int Pattern = 0;
  std::string SelectDay;
  int Level = 0;
  int Volume = 0;
  int Type = 0;
  int TemplateId = 0;
  std::string TemplateName;
  int TemplateCount = 0;
  int HasFoot = 0;
  int CanEdit = 0;
  std::vector<MediaFile> Musics;
  int TimesMode = 0;
  int TimesNumber = 0;
  std::vector<JobTime> Times;
  std::vector<ScreenFile> ScreenFiles;
};

struct JobEntry {
  int OrderNo = 0;
  int Id = 0;
  std::string Name;
  std::string BootTime;
  std::string StopTime;
  int State = 0;
  int Level = 0;
  JobDetail detail;
};

struct LiveInfo {
  std::string LivePath;
  int State = 0;  // 1: a stream runs
  std::string Id;
};

struct SwitchSetting {
  int Id = 0;
  int SettingValue = 0;
  std::string BootTime;
  std::string ShutdownTime;
};

struct AudioBroadcast {
  int ID = 0;
  std::string Name;
  int PLevel = 0;
  std::string FileID;
  std::string FileName;
  std::string WebPath;
  int Volume = 0;
  std::string SessionId;
};

struct TerminalState {
  DeviceInfo device;
  std::string Time;
  int WeekendSetting = 0;
  int ImageSpeed = 0;
  int TextSpeed = 0;
  std::vector<JobEntry> todayJobs;
  LiveInfo live;
  std::vector<SwitchSetting> switchSettings;
  int fullScreen = 0;
  AudioBroadcast broadcast;  // the audio broadcast last started
};

struct RegisterInfo {
  std::string BuildingId;
  std::string DeviceName;
  int FloorNumber = 0;
  std::string Ip;
  std::string Position;
  std::string RoomId;
  int Type = 0;
};

struct PlayItem {
  std::string path;
  std::string name;
  std::string id;
  std::string ext;
  int fileType = 0;
};

struct PlayLists {
  std::vector<PlayItem> screen1;
  std::vector<PlayItem> screen2;
  std::vector<std::string> musics;
  int ImageSpeed = 0;
  int TextSpeed = 0;
};

enum ReportKind { kReportLive = 0, kReportJob = 1, kReportAudio = 2, kReportFile = 3 };
enum ReportState { kStopped = 1, kStarted = 2 };

struct StatusReport {
  int State = 0;
  int Kind = 0;
  std::string FileID;
  std::string FileName;
  JobDetail job;
};

}  // namespace core
