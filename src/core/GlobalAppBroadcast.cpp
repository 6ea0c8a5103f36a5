// Audio broadcasts and the alarm: priorities decide what may interrupt what.

#include <glog/logging.h>

#include <thread>

#include "core/GlobalApp.h"
#include "core/JsonUtil.h"
#include "form/Dui_ContentFrame.h"
#include "form/PageAddresses.h"
#include "system/MasterVolume.h"

namespace core {
namespace {

// An alarm sounds for a day at most unless the server ends it.
constexpr int kAlarmSeconds = 86400;

}  // namespace

void GlobalApp::HanglePlayAudioBoardcast(const std::string& body) {
  try {
    AudioBroadcast next;
    if (ReadAudioBroadcast(body, next) != ReadResult::kOk) return;
    if (m_pContentFrame->m_bAlarm || m_pContentFrame->m_bLive) return;
    const TerminalState state = StateCopy();
    const int playState = m_pContentFrame->m_nPlayState;
    // An equal priority never drops: the newer broadcast wins.
    bool tooLow = false;
    if (playState == form::kPlayAudio) tooLow = !state.broadcast.SessionId.empty() && next.PLevel < state.broadcast.PLevel;
    else if (playState != form::kPlayNothing) tooLow = next.PLevel < m_pContentFrame->m_nPriority;
    if (tooLow) {
      LOG(INFO) << next.Name << " 优先级太低, 该任务被丢弃";
      return;
    }
    StartBroadcast(next);
  } catch (const std::exception& e) {
    LOG(ERROR) << "HanglePlayAudioBoardcast 异常:" << e.what();
  }
}

void GlobalApp::StartBroadcast(const AudioBroadcast& broadcast) {
  SetVolumeLogged(broadcast.Volume);
  const std::string address = form::AudioPlayerAddress(GetSiteAddr(), broadcast.WebPath, broadcast.FileName, m_bMuted);
  {
    std::lock_guard<std::mutex> guard(m_stateLock);
    m_state.broadcast = broadcast;
  }
  m_pContentFrame->ShowAudio(address);
  m_pContentFrame->m_nPriority = broadcast.PLevel;
}

void GlobalApp::HangleStopAudioBoardcast(const std::string& body) {
  try {
    AudioBroadcast stop;
    if (ReadAudioBroadcast(body, stop) != ReadResult::kOk) return;
    if (m_pContentFrame->m_nPlayState != form::kPlayAudio || stop.SessionId != StateCopy().broadcast.SessionId) return;
    m_pContentFrame->StopAudio();
    std::this_thread::sleep_for(std::chrono::seconds(2));
    DispatchNotifyJobDone();
  } catch (const std::exception& e) {
    LOG(ERROR) << "HangleStopAudioBoardcast 异常:" << e.what();
  }
}

void GlobalApp::HandleWarningVoice() {
  try {
    if (m_bMinimized) ShowFrameFullScreen();
    HandleFullScreenNew(false);
    m_pContentFrame->StartWarnVoice(kAlarmSeconds, m_strExeDir + "Resource/alarm.mp3");
  } catch (const std::exception& e) {
    LOG(ERROR) << "HandleWarningVoice 异常:" << e.what();
  }
}

void GlobalApp::HandleWarningCancel() {
  try {
    m_pContentFrame->m_bAlarm.exchange(false);
    RestartJob();
    MinimizeIfTray();
  } catch (const std::exception& e) {
    LOG(ERROR) << "HandleWarningCancel 异常:" << e.what();
  }
}

}  // namespace core
