#include "core/JsonUtil.h"

#include <gtest/gtest.h>

#include "LogCapture.h"

namespace {

using core::ReadResult;
using testing_support::LogCapture;

const char kLogin[] = R"({"DeviceRt":{"Id":7,"DeviceName":"一号楼大厅","Ip":"192.0.2.7","RoomId":15,"BuildingId":3,
  "Type":22,"Volume":35,"FloorNumber":1},"Time":"2024-03-05 08:07:09","WeekendSetting":0,"ImageSpeed":5,"TextSpeed":3,
  "TodayJob":[{"OrderNo":1,"Id":5,"BootTime":"07:50:00","StopTime":"08:00:00","State":0,"Level":2}],
  "LiveJob":{"LivePath":"rtmp://192.0.2.9/live","State":1,"Id":"L1"},
  "SwitchSetting":[{"Id":1,"SettingValue":1,"BootTime":"07:00:00"}]})";

TEST(ReadLoginReply, FillsTheStateAndReplacesItsLists) {
  core::TerminalState state;
  ASSERT_EQ(core::ReadLoginReply(kLogin, state), ReadResult::kOk);
  EXPECT_EQ(state.device.DeviceName, "一号楼大厅");
  EXPECT_EQ(state.device.Volume, 35);
  EXPECT_EQ(state.live.State, 1);
  ASSERT_EQ(state.todayJobs.size(), 1u);
  // A reconnect logs in again: today's jobs are not listed twice.
  ASSERT_EQ(core::ReadLoginReply(kLogin, state), ReadResult::kOk);
  EXPECT_EQ(state.todayJobs.size(), 1u);
  EXPECT_EQ(state.switchSettings.size(), 1u);

  // Without "DeviceName" the earlier name stays; a null "LiveJob" only stops the stream.
  ASSERT_EQ(core::ReadLoginReply(R"({"DeviceRt":{"Id":7,"Volume":20},"Time":"","TodayJob":[],"LiveJob":null})", state),
            ReadResult::kOk);
  EXPECT_EQ(state.device.DeviceName, "一号楼大厅");
  EXPECT_EQ(state.device.Volume, 20);
  EXPECT_EQ(state.live.State, 0);
  EXPECT_EQ(state.live.LivePath, "rtmp://192.0.2.9/live");
  EXPECT_EQ(state.live.Id, "L1");
  EXPECT_TRUE(state.todayJobs.empty());
}

TEST(ReadLoginReply, BadBodiesKeepWhatTheyCan) {
  LogCapture log;
  core::TerminalState state;
  state.device.DeviceName = "旧名称";
  EXPECT_EQ(core::ReadLoginReply("not json", state), ReadResult::kNotJson);
  EXPECT_EQ(state.device.DeviceName, "旧名称");
  EXPECT_EQ(log.Count("报文字段类型错误"), 0);
  EXPECT_EQ(core::ReadLoginReply(R"({"DeviceRt":{"Id":"7"}})", state), ReadResult::kTypeError);
  EXPECT_EQ(log.CountAt(google::GLOG_ERROR, "报文字段类型错误"), 1);
}

TEST(ReadTodayJobs, ANullLiveJobEmptiesTheStream) {
  std::vector<core::JobEntry> jobs(3);
  core::LiveInfo live{"rtmp://old", 1, "L0"};
  ASSERT_EQ(core::ReadTodayJobs(R"({"TodayJob":[{"OrderNo":1,"Id":6,"Name":"午间新闻","BootTime":"12:00:00",
      "StopTime":"12:30:00","State":0}],"LiveJob":null})", jobs, live), ReadResult::kOk);
  ASSERT_EQ(jobs.size(), 1u);
  EXPECT_EQ(jobs[0].Name, "午间新闻");
  EXPECT_EQ(live.LivePath, "");
  EXPECT_EQ(live.Id, "");
  EXPECT_EQ(live.State, 0);
  // "Name" is required here.
  EXPECT_EQ(core::ReadTodayJobs(R"({"TodayJob":[{"Id":6,"BootTime":"","StopTime":""}]})", jobs, live),
            ReadResult::kTypeError);
  EXPECT_EQ(jobs.size(), 1u);
}

TEST(ReadDeviceUpdate, ChangesOnlyTheSameDevice) {
  core::DeviceInfo device;
  device.Id = 7;
  device.Volume = 35;
  device.RoomId = 15;
  bool same = false;
  ASSERT_EQ(core::ReadDeviceUpdate(R"({"Id":8,"DeviceName":"别的","Position":"","BuildingName":""})", device, same),
            ReadResult::kOk);
  EXPECT_FALSE(same);
  EXPECT_EQ(device.Volume, 35);
  ASSERT_EQ(core::ReadDeviceUpdate(R"({"Id":7,"DeviceName":"新名","Position":"东侧","BuildingName":"一号楼"})",
                                   device, same),
            ReadResult::kOk);
  EXPECT_TRUE(same);
  EXPECT_EQ(device.DeviceName, "新名");
  EXPECT_EQ(device.Volume, 0);  // missing reads as 0
  EXPECT_EQ(device.RoomId, 15);  // not part of an update
}

TEST(ReadJobDetail, ReadingAgainReplacesTheLists) {
  const char body[] = R"({"Id":5,"Name":"早间通知","StartDay":"","EndDay":"","Pattern":1,"Level":2,"Volume":40,"Type":1,
    "TemplateId":9,"TemplateName":"单屏","TemplateCount":1,"HasFoot":1,"CanEdit":0,
    "Musics":[{"Id":"m1","Order":1,"Name":"晨曲","StateId":1,"State":"","TrueWebPath":"Upload\\music\\a.mp3","Size":5000000000,"Time":"","FileType":3}],
    "JobTimes":{"Mode":1,"Number":1,"Times":[{"BootTime":"07:50:00","StopTime":"08:00:00"}]},
    "ScreenFiles":[{"IdentifyId":1,"Files":[]}]})";
  core::JobDetail detail;
  ASSERT_EQ(core::ReadJobDetail(body, detail), ReadResult::kOk);
  ASSERT_EQ(core::ReadJobDetail(body, detail), ReadResult::kOk);
  EXPECT_EQ(detail.Musics.size(), 1u);
  EXPECT_EQ(detail.Musics[0].Size, 5000000000);
  EXPECT_EQ(detail.Times.size(), 1u);
  EXPECT_EQ(detail.ScreenFiles.size(), 1u);
}

TEST(WriteRegisterInfo, WritesSortedCompactJsonAndALineFeed) {
  core::RegisterInfo info;
  info.Ip = "192.0.2.7";
  info.BuildingId = "3";
  info.FloorNumber = 2;
  info.DeviceName = "A1";
  info.Position = "hall";
  info.RoomId = "15";
  info.Type = 22;
  EXPECT_EQ(core::WriteRegisterInfo(info),
            "{\"AssetNumber\":\"\",\"BuildingId\":\"3\",\"DeviceName\":\"A1\",\"FloorNumber\":2,\"Ip\":\"192.0.2.7\","
            "\"Position\":\"hall\",\"RoomId\":\"15\",\"Type\":22}\n");
  info.DeviceName = "一号楼";
  EXPECT_NE(core::WriteRegisterInfo(info).find("\"DeviceName\":\"一号楼\""), std::string::npos);
}

TEST(StatusReportBody, NamesWhatPlaysForEachKind) {
  core::StatusReport report;
  report.State = 1;
  report.Kind = core::kReportJob;
  report.job.Id = 17;
  report.job.Name = "晨会\"通知\"";
  const core::LiveInfo live{"rtmp://192.0.2.9/live", 1, "L1"};
  core::AudioBroadcast broadcast;
  broadcast.ID = 4;
  broadcast.Name = "广播";
  broadcast.FileID = "f9";
  broadcast.FileName = "国歌.mp3";
  EXPECT_EQ(core::StatusReportBody(report, 12, live, broadcast),
            R"({"ID":12,"State":1,"Type":1,"BCID":"17","BCName":"晨会\"通知\"","FileID":"","FileName":""})");
  report.Kind = core::kReportLive;
  report.State = 2;
  EXPECT_EQ(core::StatusReportBody(report, 12, live, broadcast),
            R"({"ID":12,"State":2,"Type":0,"BCID":"L1","BCName":"rtmp://192.0.2.9/live","FileID":"","FileName":""})");
  report.Kind = core::kReportAudio;
  EXPECT_EQ(core::StatusReportBody(report, 12, live, broadcast),
            R"({"ID":12,"State":2,"Type":1,"BCID":"4","BCName":"广播","FileID":"f9","FileName":"国歌.mp3"})");
  report.Kind = 9;
  EXPECT_EQ(core::StatusReportBody(report, 12, live, broadcast), "");
}

}  // namespace
