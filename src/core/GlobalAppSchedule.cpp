// Today's jobs and live streams: what the display shows when, by the server's clock.

#include <glog/logging.h>

#include "core/GlobalApp.h"
#include "core/JsonUtil.h"
#include "form/Dui_ContentFrame.h"
#include "form/Dui_TopBar.h"
#include "form/PageAddresses.h"
#include "system/MasterVolume.h"
#include "system/ServerClock.h"
#include "tools/Format.h"
#include "tools/Paths.h"
#include "tools/TextEdit.h"
#include "ui/MainLoop.h"

namespace core {

std::pair<int, int> GlobalApp::GetJobWindow(const std::string& start, const std::string& end) {
  const sys::ServerClock clock([this] { return m_api.GetServerTime(); });
  const int remaining = clock.SecondsUntilTime(end);
  if (remaining <= 0) return {-1, 0};
  return {std::max(0, clock.SecondsUntilTime(start)), remaining};
}

void GlobalApp::HandleFullScreenNew(bool full) {
  try {
    ui::SendToMainThread([this, full] {
      if (m_pTopBar) m_pTopBar->ShowWindow(!full);
    });
    m_pContentFrame->SetContentInset(full ? 1 : 0);
  } catch (const std::exception& e) {
    LOG(ERROR) << "HandleFullScreenNew异常:" << e.what();
  }
}

void GlobalApp::MinimizeIfTray() {
  if (m_config.Tray() != 1) return;
  ui::SendToMainThread([this] { m_pContentFrame->Minimize(); });
  m_bMinimized = true;
}

void GlobalApp::ShowFreeTimeWithBar() {
  ui::SendToMainThread([this] {
    if (m_pTopBar) m_pTopBar->ShowWindow(true);
  });
  m_pContentFrame->ShowFreeTime("");
}

void GlobalApp::ShowLiveView() {
  if (m_bMinimized) ShowFrameFullScreen();
  m_pContentFrame->Pause();
  HandleFullScreenNew(true);
  const TerminalState state = StateCopy();
  SetVolumeLogged(state.device.Volume);
  m_pContentFrame->ShowLive(form::VideoPlayerAddress(GetSiteAddr(), state.live.LivePath, m_bMuted));
}

void GlobalApp::DispatchNotifyJobDone() {
  if (auto client = m_tcpLink->Current()) client->Dispatch([this] { NotifyJobDone(); });
}

void GlobalApp::RestartJob() {
  try {
    const TerminalState state = StateCopy();
    if (state.live.State == 1) {
      ShowLiveView();
    } else if (!state.todayJobs.empty()) {
      DispatchNotifyJobDone();
    } else {
      ShowFreeTimeWithBar();
      MinimizeIfTray();
    }
  } catch (const std::exception& e) {
    LOG(ERROR) << "RestartJob异常:" << e.what();
  }
}

void GlobalApp::NotifyJobDone() {
  LOG(INFO) << "Enter NotifyJobDone";
  try {
    if (auto client = m_tcpLink->Current()) client->JobTimer().cancel();
    if (m_pContentFrame->m_bAlarm) {
      LOG(INFO) << "正在报警中，HandleTodayJobUpdate 暂不通知处理定时任务。";
      return;
    }
    const TerminalState state = StateCopy();
    if (state.live.State == 1) {
      LOG(INFO) << "正在直播中，HandleTodayJobUpdate 暂不通知处理定时任务。";
      return;
    }
    int jobId = 0, level = 0;
    for (size_t i = 0; i < state.todayJobs.size(); ++i) {
      const JobEntry& job = state.todayJobs[i];
      if (GetJobWindow(job.BootTime, job.StopTime).first != -1) {
        jobId = job.Id;
        level = job.Level;
        m_nCurJobIndex = static_cast<int>(i);
        break;
      }
    }
    const int priority = m_pContentFrame->m_nPriority;
    if (m_pContentFrame->m_nPlayState == form::kPlayAudio) {
      if (jobId <= 0 || level < priority) {
        LOG(INFO) << "正在播放音频，暂不处理定时任务";
        return;
      }
      QuerySingleJobDetail(jobId);
    } else if (jobId > 0 && level >= priority) {
      QuerySingleJobDetail(jobId);
    }
    ShowFreeTimeWithBar();
  } catch (const std::exception& e) {
    LOG(ERROR) << "NotifyJobDone 异常:" << e.what();
  }
}

void GlobalApp::QuerySingleJobDetail(int jobId) {
  m_tcpLink->Send(13, 3056, 1, tools::FormatText("{\"ID\":%d}", jobId));
}

void GlobalApp::HandleSingleJobDetail(const std::string& body) {
  try {
    JobEntry entry;
    {
      std::lock_guard<std::mutex> guard(m_stateLock);
      if (m_nCurJobIndex < 0 || static_cast<size_t>(m_nCurJobIndex) >= m_state.todayJobs.size())
        throw std::out_of_range("当前任务序号无效");
      JobDetail& detail = m_state.todayJobs[static_cast<size_t>(m_nCurJobIndex)].detail;
      if (ReadJobDetail(body, detail) == ReadResult::kTypeError) return;
      entry = m_state.todayJobs[static_cast<size_t>(m_nCurJobIndex)];
    }
    SetVolumeLogged(StateCopy().device.Volume);
    const auto [startDelay, remaining] = GetJobWindow(entry.BootTime, entry.StopTime);
    (void)remaining;
    const JobDetail& detail = entry.detail;
    const size_t screensNeeded = detail.TemplateCount == 2 ? 2 : 1;
    if (detail.ScreenFiles.size() < screensNeeded) throw std::out_of_range("任务的屏幕数不足");

    PlayLists lists;
    const auto toItem = [](const MediaFile& file) {
      return PlayItem{file.TrueWebPath, file.Name, file.Id, tools::FileExtensionOf(file.TrueWebPath), file.FileType};
    };
    for (const auto& file : detail.ScreenFiles[0].Files) lists.screen1.push_back(toItem(file));
    if (detail.TemplateCount == 2)
      for (const auto& file : detail.ScreenFiles[1].Files) lists.screen2.push_back(toItem(file));
    for (const auto& music : detail.Musics) {
      std::string path = music.TrueWebPath;
      tools::ReplaceAllText("\\", "/", path);
      lists.musics.push_back(path);
    }
    const TerminalState state = StateCopy();
    lists.ImageSpeed = state.ImageSpeed;
    lists.TextSpeed = state.TextSpeed;
    m_playLists = lists;

    if (m_playLists.screen1.empty()) {
      ShowFreeTimeWithBar();
      return;
    }
    HandleFullScreenNew(detail.HasFoot != 1);
    ArmJobTimer(startDelay, true);
  } catch (const std::exception& e) {
    LOG(ERROR) << "HandleSingleJobDetail 异常:" << e.what();
  }
}

void GlobalApp::ArmJobTimer(int seconds, bool isStart) {
  auto client = m_tcpLink->Current();
  if (!client) return;
  auto& timer = client->JobTimer();
  timer.expires_after(std::chrono::seconds(seconds));
  timer.async_wait([this, isStart](boost::system::error_code error) { JobTimerHandler(error, isStart); });
}

void GlobalApp::JobTimerHandler(boost::system::error_code error, bool isStart) {
  try {
    if (error == boost::asio::error::operation_aborted) {
      m_pContentFrame->StopJob();
      return;
    }
    if (error) return;
    if (!isStart) {
      m_pContentFrame->StopJob();
      NotifyJobDone();
      return;
    }
    JobEntry entry;
    {
      std::lock_guard<std::mutex> guard(m_stateLock);
      if (m_nCurJobIndex < 0 || static_cast<size_t>(m_nCurJobIndex) >= m_state.todayJobs.size())
        throw std::out_of_range("当前任务序号无效");
      entry = m_state.todayJobs[static_cast<size_t>(m_nCurJobIndex)];
    }
    m_pContentFrame->ShowJob(m_playLists, entry.detail);
    const sys::ServerClock clock([this] { return m_api.GetServerTime(); });
    ArmJobTimer(clock.SecondsUntilTime(entry.StopTime), false);
  } catch (const std::exception& e) {
    // A job that cannot go on must not stop the schedule.
    LOG(ERROR) << "JobTimerHandler 异常:" << e.what();
    NotifyJobDone();
  }
}

void GlobalApp::HandleTodayJobUpdate(const std::string& body) {
  try {
    LOG(INFO) << "刷新任务队列:" << body;
    std::vector<JobEntry> jobs;
    if (ReadJobListUpdate(body, jobs) != ReadResult::kOk) return;
    {
      std::lock_guard<std::mutex> guard(m_stateLock);
      m_state.todayJobs = std::move(jobs);
    }
    m_nCurJobIndex = -1;
    DispatchNotifyJobDone();
  } catch (const std::exception& e) {
    LOG(ERROR) << "HandleTodayJobUpdate异常:" << e.what();
  }
}

void GlobalApp::HandleGetTodayJob(const std::string& body) {
  try {
    std::vector<JobEntry> jobs;
    LiveInfo live;
    if (ReadTodayJobs(body, jobs, live) != ReadResult::kOk) return;
    bool hasJobs = false;
    {
      std::lock_guard<std::mutex> guard(m_stateLock);
      m_state.live = live;
      m_state.todayJobs = std::move(jobs);
      hasJobs = !m_state.todayJobs.empty();
    }
    if (live.State == 1) {
      m_pContentFrame->ShowLive(form::VideoPlayerAddress(GetSiteAddr(), live.LivePath, m_bMuted));
    } else if (m_config.Type() == 22 && hasJobs) {
      DispatchNotifyJobDone();
    }
  } catch (const std::exception& e) {
    LOG(ERROR) << "HandleGetTodayJob异常:" << e.what();
  }
}

void GlobalApp::HandleLiveJobUpdate(const std::string& body) {
  try {
    LOG(INFO) << "直播状态更新:" << body;
    LiveInfo live;
    if (ReadLiveUpdate(body, live) != ReadResult::kOk) return;
    {
      std::lock_guard<std::mutex> guard(m_stateLock);
      m_state.live = live;
    }
    if (m_pContentFrame->m_bAlarm) return;
    m_pContentFrame->StopLive();
    if (live.State == 1) {
      ShowLiveView();
      return;
    }
    MinimizeIfTray();
    if (!m_pContentFrame->Resume()) DispatchNotifyJobDone();
  } catch (const std::exception& e) {
    LOG(ERROR) << "HandleLiveJobUpdate异常:" << e.what();
  }
}

}  // namespace core
