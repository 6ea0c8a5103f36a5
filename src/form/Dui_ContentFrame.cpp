#include "form/Dui_ContentFrame.h"

#include <glog/logging.h>

#include "form/OnMainThread.h"
#include "form/PageAddresses.h"
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

Dui_ContentFrame::~Dui_ContentFrame() { browser::SetScriptActions(nullptr); }

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
