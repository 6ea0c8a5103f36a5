#pragma once
// The main display: a tab layout of eight pages holding six browser panes; one
// page shows at a time. Operations may come from any thread; they run on the
// main thread in call order.

#include <atomic>
#include <mutex>
#include <string>
#include <thread>

#include "browser/BrowserPane.h"
#include "browser/ProcessMessageHandler.h"
#include "core/Records.h"
#include "form/CDuiDialog.h"
#include "form/ContentFrameHost.h"

namespace form {

enum PlayState { kPlayNothing = 0, kPlayJob = 1, kPlayAudio = 4, kPlayJobPaused = 10, kPlayAudioPaused = 40 };

enum ContentPage {
  kPageClock = 0,
  kPageDisconnected = 2,
  kPageAudio = 3,
  kPageLive = 4,
  kPageContent = 5,
  kPageAlarm = 6,
  kPageTwoScreens = 7
};

class Dui_ContentFrame : public CDuiDialog, public browser::ScriptActions {
 public:
  explicit Dui_ContentFrame(ContentFrameHost& host);
  ~Dui_ContentFrame() override;

  void ShowJob(const core::PlayLists& playLists, const core::JobDetail& job);
  void StopJob();
  void ShowLive(const std::string& address);
  void StopLive();
  void ShowAudio(const std::string& address);
  void StopAudio() override;
  void ShowFreeTime(const std::string& text);
  void ShowDisconnected();
  void SetContentInset(int full) override;
  void ReportFileState(int index, int state) override;

  // Holding and bringing back what the content or audio panes play.
  bool Pause();
  bool Resume();
  // Plays the alarm sound in a loop for `seconds` or until m_bAlarm is cleared;
  // then the host brings the display back. A second alarm while one plays is ignored.
  void StartWarnVoice(int seconds, const std::string& path);
  void SetPagesMuted(bool mute);

  // Read and written from the network thread too.
  std::atomic<int> m_nPlayState{kPlayNothing};
  std::atomic<int> m_nPriority{0};
  std::atomic<bool> m_bLive{false};
  std::atomic<bool> m_bAlarm{false};

  int SelectedPage() const;

 protected:
  void InitWindow() override;
  bool HandleMessage(const ui::WindowMessage& message) override;
  std::unique_ptr<ui::Control> CreateControl(const std::string& className) override;
  void OnFinalMessage() override;

 private:
  browser::CCefBrowserUI* Pane(const char* name) const;
  void Load(const char* pane, const std::string& address) const;
  void Blank(std::initializer_list<const char*> panes) const;
  void SelectPage(int page);
  void Report(int state, int kind, const core::JobDetail& job = {});
  void PlaceTopBar(bool show);
  void AlarmLoop(int seconds, std::string path);

  ContentFrameHost& m_host;
  core::PlayLists m_playLists;  // main thread only: a copy of the job last shown
  core::JobDetail m_curJob;     // main thread only
  std::mutex m_alarmLock;       // the alarm thread object
  std::thread m_alarmThread;
  std::atomic<bool> m_closing{false};
};

}  // namespace form
