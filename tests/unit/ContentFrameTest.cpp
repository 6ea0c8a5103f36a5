#include "form/Dui_ContentFrame.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>

#include "LogCapture.h"
#include "PumpMainThread.h"
#include "browser/FakeEngine.h"
#include "ui/Controls.h"
#include "ui/MainLoop.h"

namespace {

using browser::FakeEngine;
using testing_support::LogCapture;
using testing_support::PumpUntil;

class RecordingHost : public form::ContentFrameHost {
 public:
  bool IsMuted() const override { return muted; }
  int FullScreenSetting() const override { return 0; }
  std::string GetSiteAddr() override { return "http://192.0.2.9:8088/"; }
  void SendBoardcastStatuToServer(const core::StatusReport& report) override { reports.push_back(report); }
  void RestartJob() override { ++restarts; }
  ui::Window* TopBarWindow() override { return nullptr; }
  ui::Window* RegisterWindow() override { return nullptr; }

  bool muted = false;
  std::vector<core::StatusReport> reports;
  std::atomic<int> restarts{0};
};

class ContentFrameTest : public testing::Test {
 protected:
  void SetUp() override {
    auto engine = std::make_unique<FakeEngine>();
    m_engine = engine.get();
    browser::SetEngine(std::move(engine));
    ui::SetResourceFolder(std::string(VIREO_BIN_DIR) + "/skin/");
    m_frame = std::make_unique<form::Dui_ContentFrame>(m_host);
    ASSERT_TRUE(m_frame->Create(nullptr, "content", 0, 0));
  }

  // Every address a pane was asked to load after its first blank page, in order.
  std::vector<std::string> Loads(const char* pane) {
    Settle();
    const auto views = m_engine->Views();
    const char* const order[] = {"cef_freetime_area", "cef_audio_area", "cef_movie_area", "cef_webres_area",
                                 "cef_webres_area21", "cef_webres_area22"};
    for (size_t i = 0; i < 6; ++i) {
      if (std::string(order[i]) != pane) continue;
      const auto& calls = views[i]->Calls();
      return std::vector<std::string>(calls.begin() + 1, calls.end());
    }
    return {};
  }

  void Settle() {
    ui::RunMainThreadUntil([&] {
      for (const char* name : {"cef_freetime_area", "cef_webres_area", "cef_webres_area22"})
        if (!m_frame->Find<browser::CCefBrowserUI>(name)->HasBrowser()) return false;
      return true;
    });
    bool drained = false;
    ui::PostToMainThread([&] { drained = true; });
    ui::RunMainThreadUntil([&] { return drained; });
  }

  static core::PlayLists Lists(std::vector<core::PlayItem> screen1, std::vector<core::PlayItem> screen2 = {},
                               std::vector<std::string> musics = {}) {
    core::PlayLists lists;
    lists.screen1 = std::move(screen1);
    lists.screen2 = std::move(screen2);
    lists.musics = std::move(musics);
    lists.ImageSpeed = 5;
    lists.TextSpeed = 3;
    return lists;
  }
  static core::JobDetail Job(int templateCount, int templateId = 0, int level = 3) {
    core::JobDetail job;
    job.Id = 17;
    job.Name = "晨会";
    job.TemplateCount = templateCount;
    job.TemplateId = templateId;
    job.Level = level;
    return job;
  }

  FakeEngine* m_engine = nullptr;
  RecordingHost m_host;
  std::unique_ptr<form::Dui_ContentFrame> m_frame;
};

TEST_F(ContentFrameTest, ShowsAOneScreenJobOnPageFive) {
  const auto lists = Lists({{"a.jpg", "abc", "1", "jpg", 1}, {"b.mp4", "ab", "2", "mp4", 2}});
  m_frame->ShowJob(lists, Job(1));
  EXPECT_EQ(m_frame->SelectedPage(), form::kPageContent);
  EXPECT_EQ(m_frame->m_nPriority, 6);
  EXPECT_EQ(m_frame->m_nPlayState, form::kPlayJob);
  const std::string site = "http://192.0.2.9:8088/";
  EXPECT_EQ(Loads("cef_webres_area"),
            std::vector<std::string>{"load " + site + "WebResource/content.html?base=" + site +
                                     "&bgsound=&files=a.jpg|b.mp4&names=YWJj|YWI=&switch=5&text=3&vol=1"});
  m_host.muted = true;
  m_frame->ShowJob(lists, Job(1));
  EXPECT_NE(Loads("cef_webres_area").back().find("&vol=0"), std::string::npos);
}

TEST_F(ContentFrameTest, ASingleWebPageIsLoadedItself) {
  m_frame->ShowJob(Lists({{"http://192.0.2.9/notice", "通知", "1", "", 6}}), Job(1));
  EXPECT_EQ(Loads("cef_webres_area"), std::vector<std::string>{"load http://192.0.2.9/notice"});
  m_frame->ShowJob(Lists({{"http://192.0.2.9/a", "a", "1", "", 6}, {"http://192.0.2.9/b", "b", "2", "", 6}}), Job(1));
  EXPECT_NE(Loads("cef_webres_area").back().find("WebResource/content.html"), std::string::npos);
}

TEST_F(ContentFrameTest, TwoScreenJobsSplitTheCellByTemplate) {
  ASSERT_EQ(m_frame->FindControl("ver_webres_cell2")->GetPos().Width(), 1600);
  const auto lists = Lists({{"a.jpg", "a", "1", "jpg", 1}}, {{"b.jpg", "b", "2", "jpg", 1}}, {"m.mp3"});
  const struct {
    int templateId, left, right;
  } cases[] = {{2, 1066, 533}, {4, 533, 1066}, {3, 533, 1066}};  // 3 keeps what was there
  for (const auto& c : cases) {
    m_frame->ShowJob(lists, Job(2, c.templateId));
    EXPECT_EQ(m_frame->SelectedPage(), form::kPageTwoScreens);
    EXPECT_EQ(m_frame->FindControl("cef_webres_area21")->FixedWidth(), c.left) << c.templateId;
    EXPECT_EQ(m_frame->FindControl("cef_webres_area22")->FixedWidth(), c.right) << c.templateId;
  }
  EXPECT_NE(Loads("cef_webres_area21").back().find("&bgsound=m.mp3&"), std::string::npos);
  EXPECT_NE(Loads("cef_webres_area22").back().find("&bgsound=&files=b.jpg&"), std::string::npos);
}

TEST_F(ContentFrameTest, ReportsStartsStopsAndFileStates) {
  m_frame->ShowJob(Lists({{"a.jpg", "首页", "f1", "jpg", 1}}), Job(1));
  m_frame->ReportFileState(-1, 2);
  m_frame->ReportFileState(1, 2);
  EXPECT_TRUE(m_host.reports.empty());
  m_frame->ReportFileState(0, 2);
  ASSERT_EQ(m_host.reports.size(), 1u);
  EXPECT_EQ(m_host.reports[0].Kind, core::kReportFile);
  EXPECT_EQ(m_host.reports[0].FileID, "f1");
  EXPECT_EQ(m_host.reports[0].FileName, "首页");
  EXPECT_EQ(m_host.reports[0].job.Id, 17);

  m_frame->StopJob();
  EXPECT_EQ(m_frame->m_nPlayState, form::kPlayNothing);
  EXPECT_EQ(m_host.reports.back().Kind, core::kReportJob);
  EXPECT_EQ(m_host.reports.back().State, core::kStopped);
  EXPECT_EQ(m_frame->SelectedPage(), form::kPageContent);  // a stop leaves the page
}

TEST_F(ContentFrameTest, AudioAfterLiveKeepsTheLiveFlag) {
  m_frame->ShowLive("http://192.0.2.9/WebResource/video_player.html?source=x");
  EXPECT_TRUE(m_frame->m_bLive);
  EXPECT_EQ(m_frame->SelectedPage(), form::kPageLive);
  m_frame->ShowAudio("http://192.0.2.9/WebResource/audio_player.html?audio=y");
  EXPECT_TRUE(m_frame->m_bLive);
  EXPECT_EQ(m_frame->m_nPlayState, form::kPlayAudio);
  EXPECT_EQ(m_frame->SelectedPage(), form::kPageAudio);
  EXPECT_EQ(Loads("cef_movie_area").back(), "load about:blank");
  EXPECT_EQ(m_host.reports.back().Kind, core::kReportAudio);
  EXPECT_EQ(m_host.reports.back().State, core::kStarted);

  m_frame->ShowDisconnected();
  EXPECT_EQ(m_frame->SelectedPage(), form::kPageDisconnected);
  EXPECT_EQ(m_frame->m_nPlayState, form::kPlayAudio);
  m_frame->ShowFreeTime("");
  EXPECT_EQ(Loads("cef_freetime_area").back(), "load http://192.0.2.9:8088//editor/clock.html");
}

TEST_F(ContentFrameTest, TheInsetLeavesRoomForTheBar) {
  m_frame->SetContentInset(1);
  EXPECT_EQ(m_frame->FindControl("contentframe_1080_tlayout_12")->Attribute("inset"), "0,0,0,0");
  m_frame->SetContentInset(0);
  EXPECT_EQ(m_frame->FindControl("contentframe_1080_tlayout_12")->Attribute("inset"), "0,0,0,72");
}

TEST_F(ContentFrameTest, PauseAndResumeHoldWhatPlays) {
  EXPECT_FALSE(m_frame->Pause());  // nothing plays
  m_frame->ShowJob(Lists({{"a.jpg", "a", "1", "jpg", 1}}), Job(1));
  EXPECT_TRUE(m_frame->Pause());
  EXPECT_EQ(m_frame->m_nPlayState, form::kPlayJobPaused);
  EXPECT_FALSE(m_frame->Pause());
  m_frame->ShowLive("live");
  EXPECT_TRUE(m_frame->Resume());
  EXPECT_EQ(m_frame->m_nPlayState, form::kPlayJob);
  EXPECT_EQ(m_frame->SelectedPage(), form::kPageContent);
  const auto calls = Loads("cef_webres_area");
  EXPECT_EQ(std::count(calls.begin(), calls.end(), "script pauseBoardcast();"), 1);
  EXPECT_EQ(calls.back(), "script resumeBoardcast();");

  m_frame->ShowAudio("audio");
  EXPECT_TRUE(m_frame->Pause());
  EXPECT_EQ(m_frame->m_nPlayState, form::kPlayAudioPaused);
  EXPECT_TRUE(m_frame->Resume());
  EXPECT_EQ(Loads("cef_audio_area").back(), "script resume()");
  EXPECT_EQ(m_frame->SelectedPage(), form::kPageAudio);
}

TEST_F(ContentFrameTest, MutingReachesOnlyThePagesThatPlay) {
  m_frame->ShowJob(Lists({{"a.jpg", "a", "1", "jpg", 1}}), Job(1));
  m_frame->ShowLive("live");
  m_frame->SetPagesMuted(true);
  EXPECT_EQ(Loads("cef_movie_area").back(), "script setVolume(0)");
  EXPECT_EQ(Loads("cef_webres_area").back().rfind("load ", 0), 0u);  // the content page got nothing
  m_frame->StopLive();
  m_frame->SetPagesMuted(false);
  EXPECT_EQ(Loads("cef_webres_area").back(), "script setVolume(1)");
  EXPECT_EQ(Loads("cef_webres_area21").back(), "script setVolume(1);");
}

TEST_F(ContentFrameTest, TheAlarmTakesOverAndGivesTheDisplayBack) {
  LogCapture log;
  const std::string sound = std::string(VIREO_BIN_DIR) + "/Resource/alarm.mp3";
  m_frame->ShowLive("live");
  m_frame->StartWarnVoice(86400, sound);
  EXPECT_TRUE(m_frame->m_bAlarm);
  EXPECT_FALSE(m_frame->m_bLive);
  EXPECT_EQ(Loads("cef_movie_area").back(), "load about:blank");
  ASSERT_TRUE(PumpUntil([&] { return m_frame->SelectedPage() == form::kPageAlarm; }));
  ASSERT_TRUE(PumpUntil([&] { return log.Count("开始播放警报") == 1; }));

  m_frame->StartWarnVoice(86400, sound);  // a second alarm while one plays changes nothing
  EXPECT_EQ(log.Count("StartWarnVoice:"), 1);

  m_frame->m_bAlarm.exchange(false);
  ASSERT_TRUE(PumpUntil([&] { return m_host.restarts == 1; }));
  EXPECT_EQ(log.Count("结束警报"), 1);

  // Paused content is left as it is; no time at all still opens, closes and gives back.
  m_frame->ShowJob(Lists({{"a.jpg", "a", "1", "jpg", 1}}), Job(1));
  m_frame->Pause();
  m_frame->StartWarnVoice(0, sound);
  ASSERT_TRUE(PumpUntil([&] { return m_host.restarts == 2; }));
  EXPECT_EQ(m_frame->m_nPlayState, form::kPlayJobPaused);
  EXPECT_FALSE(m_frame->m_bAlarm);
}

}  // namespace
