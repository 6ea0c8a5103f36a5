#include "form/Dui_ContentFrame.h"

#include <glog/logging.h>

#include <chrono>

#include "form/OnMainThread.h"
#include "form/PageAddresses.h"
#include "system/MciCommands.h"
#include "ui/Controls.h"

namespace form {
namespace {

const char kTabs[] = "contentframe_1080_tlayout_12";
const char kFreeTimePane[] = "cef_freetime_area";
const char kAudioPane[] = "cef_audio_area";
const char kLivePane[] = "cef_movie_area";
const char kContentPane[] = "cef_webres_area";
const char kLeftPane[] = "cef_webres_area21";
const char kRightPane[] = "cef_webres_area22";
const char kTwoScreenCell[] = "ver_webres_cell2";
constexpr int kWebPageFileType = 6;
constexpr int kTopBarHeight = 72;

}  // namespace

Dui_ContentFrame::Dui_ContentFrame(ContentFrameHost& host)
    : CDuiDialog("DuiView_contentframe_1080", "Dui_contentframe_1080.xml"), m_host(host) {
  browser::SetScriptActions(this);
}

Dui_ContentFrame::~Dui_ContentFrame() {
  browser::SetScriptActions(nullptr);
  m_closing = true;
  m_bAlarm.exchange(false);
  std::lock_guard<std::mutex> guard(m_alarmLock);
  if (!m_alarmThread.joinable()) return;
  // The loop may be waiting for the main thread: keep serving it until the thread ends.
  std::atomic<bool> ended{false};
  std::thread waiter([&] {
    m_alarmThread.join();
    ended = true;
  });
  if (ui::OnMainThread()) ui::RunMainThreadUntil([&] { return ended.load(); });
  waiter.join();
}

std::unique_ptr<ui::Control> Dui_ContentFrame::CreateControl(const std::string& className) {
  if (className == "CefWebKit") return std::make_unique<browser::CCefBrowserUI>();
  return nullptr;
}

browser::CCefBrowserUI* Dui_ContentFrame::Pane(const char* name) const { return Find<browser::CCefBrowserUI>(name); }

void Dui_ContentFrame::Load(const char* pane, const std::string& address) const {
  if (auto* browser = Pane(pane)) browser->LoadURL(address);
}

void Dui_ContentFrame::Blank(std::initializer_list<const char*> panes) const {
  for (const char* pane : panes) Load(pane, "about:blank");
}

void Dui_ContentFrame::SelectPage(int page) {
  if (auto* tabs = Find<ui::TabLayout>(kTabs)) tabs->SelectItem(page);
}

int Dui_ContentFrame::SelectedPage() const {
  const auto* tabs = Find<ui::TabLayout>(kTabs);
  return tabs ? tabs->CurSel() : -1;
}

void Dui_ContentFrame::Report(int state, int kind, const core::JobDetail& job) {
  core::StatusReport report;
  report.State = state;
  report.Kind = kind;
  report.job = job;
  m_host.SendBoardcastStatuToServer(report);
}

void Dui_ContentFrame::ShowJob(const core::PlayLists& playLists, const core::JobDetail& job) {
  OnMain([&] {
    m_curJob = job;
    Restore();
    m_nPlayState = kPlayJob;
    m_playLists = playLists;
    const auto& screen1 = m_playLists.screen1;
    if (job.TemplateCount == 1 && screen1.size() == 1 && screen1.front().fileType == kWebPageFileType) {
      SelectPage(kPageContent);
      m_nPriority = 2 * job.Level;
      Load(kContentPane, screen1.front().path);
      return;
    }
    const std::string site = m_host.GetSiteAddr();
    const bool muted = m_host.IsMuted();
    const std::string first = ContentAddress(site, screen1, m_playLists.musics, m_playLists.ImageSpeed,
                                             m_playLists.TextSpeed, muted);
    if (job.TemplateCount == 2) {
      const std::string second =
          ContentAddress(site, m_playLists.screen2, {}, m_playLists.ImageSpeed, m_playLists.TextSpeed, muted);
      SelectPage(kPageTwoScreens);
      UpdateLayout();
      const int width = FindControl(kTwoScreenCell)->GetPos().Width();
      if (job.TemplateId == 2 || job.TemplateId == 4) {
        const int wide = 2 * width / 3, narrow = width / 3;
        FindControl(kLeftPane)->SetFixedWidth(job.TemplateId == 2 ? wide : narrow);
        FindControl(kRightPane)->SetFixedWidth(job.TemplateId == 2 ? narrow : wide);
      }
      m_nPriority = 2 * job.Level;
      Load(kLeftPane, first);
      Load(kRightPane, second);
      return;
    }
    SelectPage(kPageContent);
    m_nPriority = 2 * job.Level;
    Load(kContentPane, first);
  });
}

void Dui_ContentFrame::StopJob() {
  OnMain([&] {
    m_nPlayState = kPlayNothing;
    m_nPriority = 0;
    Blank({kContentPane, kLeftPane, kRightPane});
    Report(core::kStopped, core::kReportJob, m_curJob);
  });
}

void Dui_ContentFrame::ShowLive(const std::string& address) {
  OnMain([&] {
    Restore();
    m_bLive = true;
    SelectPage(kPageLive);
    Load(kLivePane, address);
    Report(core::kStarted, core::kReportLive);
  });
}

void Dui_ContentFrame::StopLive() {
  OnMain([&] {
    m_bLive = false;
    Blank({kLivePane});
    Report(core::kStopped, core::kReportLive);
  });
}

void Dui_ContentFrame::ShowAudio(const std::string& address) {
  OnMain([&] {
    Restore();
    Blank({kLivePane, kContentPane, kLeftPane, kRightPane});
    SelectPage(kPageAudio);
    m_nPlayState = kPlayAudio;
    Load(kAudioPane, address);
    Report(core::kStarted, core::kReportAudio);
  });
}

void Dui_ContentFrame::StopAudio() {
  OnMain([&] {
    m_nPlayState = kPlayNothing;
    m_nPriority = 0;
    Blank({kAudioPane});
    Report(core::kStopped, core::kReportAudio);
  });
}

void Dui_ContentFrame::ShowFreeTime(const std::string&) {
  OnMain([&] {
    SelectPage(kPageClock);
    Load(kFreeTimePane, ClockAddress(m_host.GetSiteAddr()));
    m_nPriority = 0;
  });
}

void Dui_ContentFrame::ShowDisconnected() {
  OnMain([&] {
    Blank({kAudioPane, kLivePane, kContentPane, kLeftPane, kRightPane});
    m_nPriority = 0;
    SelectPage(kPageDisconnected);
  });
}

void Dui_ContentFrame::SetContentInset(int full) {
  OnMain([&] {
    if (auto* tabs = FindControl(kTabs)) tabs->SetAttribute("inset", full == 1 ? "0,0,0,0" : "0,0,0,72");
  });
}

void Dui_ContentFrame::ReportFileState(int index, int state) {
  OnMain([&] {
    if (index < 0 || static_cast<size_t>(index) >= m_playLists.screen1.size()) return;
    const core::PlayItem& item = m_playLists.screen1[static_cast<size_t>(index)];
    core::StatusReport report;
    report.State = state;
    report.Kind = core::kReportFile;
    report.FileID = item.id;
    report.FileName = item.name;
    report.job = m_curJob;
    m_host.SendBoardcastStatuToServer(report);
  });
}

bool Dui_ContentFrame::Pause() {
  bool paused = false;
  OnMain([&] {
    if (m_nPlayState == kPlayJob) {
      Pane(kContentPane)->ExecuteJavaScript("pauseBoardcast();");
      m_nPlayState = kPlayJobPaused;
      paused = true;
    } else if (m_nPlayState == kPlayAudio) {
      m_nPlayState = kPlayAudioPaused;
      Pane(kAudioPane)->ExecuteJavaScript("pause();");
      paused = true;
    }
  });
  return paused;
}

bool Dui_ContentFrame::Resume() {
  bool resumed = false;
  OnMain([&] {
    if (m_nPlayState == kPlayJobPaused) {
      SelectPage(kPageContent);
      Pane(kContentPane)->ExecuteJavaScript("resumeBoardcast();");
      m_nPlayState = kPlayJob;
      resumed = true;
    } else if (m_nPlayState == kPlayAudioPaused) {
      SelectPage(kPageAudio);
      Pane(kAudioPane)->ExecuteJavaScript("resume()");
      m_nPlayState = kPlayAudio;
      resumed = true;
    }
  });
  return resumed;
}

void Dui_ContentFrame::SetPagesMuted(bool mute) {
  OnMain([&] {
    if (m_bLive) {
      Pane(kLivePane)->ExecuteJavaScript(mute ? "setVolume(0)" : "setVolume(1)");
    } else if (m_nPlayState == kPlayJob) {
      Pane(kContentPane)->ExecuteJavaScript(mute ? "setVolume(0);" : "setVolume(1)");
      for (const char* pane : {kLeftPane, kRightPane}) Pane(pane)->ExecuteJavaScript(mute ? "setVolume(0);" : "setVolume(1);");
    } else if (m_nPlayState == kPlayAudio) {
      Pane(kAudioPane)->ExecuteJavaScript(mute ? "setVolume(0);" : "setVolume(1);");
    }
  });
}

void Dui_ContentFrame::StartWarnVoice(int seconds, const std::string& path) {
  if (m_bAlarm) return;
  OnMain([&] {
    if (m_bLive) {
      m_bLive = false;
      Blank({kLivePane});
    } else if (m_nPlayState == kPlayJob) {
      Blank({kContentPane});
      m_nPlayState = kPlayNothing;
    } else if (m_nPlayState == kPlayAudio) {
      Blank({kAudioPane});
      m_nPlayState = kPlayNothing;
    }
  });
  LOG(INFO) << "StartWarnVoice:" << path;
  m_bAlarm.exchange(true);
  std::lock_guard<std::mutex> guard(m_alarmLock);
  if (m_alarmThread.joinable()) m_alarmThread.join();  // it has at most its closing steps left
  m_alarmThread = std::thread([this, seconds, path] { AlarmLoop(seconds, path); });
}

void Dui_ContentFrame::AlarmLoop(int seconds, std::string path) {
  using Clock = std::chrono::steady_clock;
  OnMain([&] { SelectPage(kPageAlarm); });
  LOG(INFO) << "开始播放警报";
  const auto duration = std::chrono::seconds(seconds);
  sys::SendMciCommand("OPEN \"" + path + "\" ALIAS MUSIC");
  const auto start = Clock::now();
  while (Clock::now() - start < duration && m_bAlarm) {
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
    const auto pass = Clock::now();
    // Stopped right after the open, and each time the sound has played to its end.
    if (sys::SendMciCommand("status MUSIC mode") == "stopped") sys::SendMciCommand("PLAY MUSIC FROM 0");
    if (Clock::now() - pass > std::chrono::milliseconds(100)) LOG(INFO) << "MCI 卡顿超过 100ms";
  }
  sys::SendMciCommand("CLOSE MUSIC");
  LOG(INFO) << "结束警报";
  m_bAlarm.exchange(false);
  if (!m_closing) m_host.RestartJob();
}

void Dui_ContentFrame::InitWindow() {
  const ui::Size screen = ui::CurrentPainter().ScreenSize();
  if (screen.cx > 1600) ResizeClient(1600, 900);
  else ResizeClient(1360, 768);
  CenterWindow();
}

void Dui_ContentFrame::PlaceTopBar(bool show) {
  ui::Window* bar = m_host.TopBarWindow();
  if (!bar || !bar->IsWindow() || m_host.FullScreenSetting() != 0) return;
  const ui::Rect& frame = GetWindowRect();
  bar->MoveWindow({frame.left, frame.bottom - kTopBarHeight, frame.right, frame.bottom});
  if (show) bar->ShowWindow(true);
}

bool Dui_ContentFrame::HandleMessage(const ui::WindowMessage& message) {
  switch (message.id) {
    case ui::MessageId::kMove:
      PlaceTopBar(false);
      return true;
    case ui::MessageId::kShowWindow:
      if (message.wParam) {
        if (!m_bLive) PlaceTopBar(true);
      } else if (ui::Window* bar = m_host.TopBarWindow(); bar && bar->IsWindow()) {
        bar->ShowWindow(false);
      }
      return true;
    case ui::MessageId::kGetMinMaxInfo:
      return true;
    default:
      return false;
  }
}

void Dui_ContentFrame::OnFinalMessage() {
  // Closing the main display ends the program.
  if (ui::Window* registration = m_host.RegisterWindow(); registration && registration->IsWindow())
    registration->Close(1);
  ui::QuitMainLoop(0);
  LOG(INFO) << "程序退出";
}

}  // namespace form
