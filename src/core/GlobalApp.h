#pragma once
// The terminal's one application object: its working folders, its settings, its
// windows, its server link and everything the server tells it. Built during
// static initialisation in every process started from the program file, reached
// only through Instance().

#include <atomic>
#include <boost/system/error_code.hpp>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "core/Records.h"
#include "dal/ApiRecords.h"
#include "dal/ManagementApi.h"
#include "form/ContentFrameHost.h"
#include "shell/ConfigFile.h"
#include "shell/WorkFolders.h"
#include "socket/TcpLink.h"
#include "system/MachineIdentity.h"

namespace form {
class Dui_ContentFrame;
class Dui_RegisterWnd;
class Dui_TopBar;
}  // namespace form

namespace core {

class GlobalApp : public dal::SiteAddressSource, public form::ContentFrameHost {
 public:
  static GlobalApp& Instance();
  // An application object for the program folder `programFolder` (ends in '/').
  explicit GlobalApp(const std::string& programFolder);
  ~GlobalApp() override;

  GlobalApp(const GlobalApp&) = delete;
  GlobalApp& operator=(const GlobalApp&) = delete;

  // The start sequence, on the main thread before the main loop runs.
  void Init();
  bool IsRegistered();
  bool ConnectServer(const std::string& ip, const std::string& port);
  std::string GetSiteAddr() override;
  std::vector<dal::BuildingInfo>& GetAreaList();
  void StartTcpClient();
  void StopTcpClient();
  void TcpMessageProcessor(const net::Packet& packet);

  void SendLogin(int clientId);
  void SendBoardcastStatuToServer(const StatusReport& report) override;

  // Registration and login.
  void HandleRegister(const std::string& body);
  void HandleLogin(const std::string& body);
  void HandleClientInfoUpdate(const std::string& body);
  void HandleUnregister();

  // Today's jobs, live streams, broadcasts and warnings: what the server says is kept here.
  void HandleTodayJobUpdate(const std::string& body);
  void HandleGetTodayJob(const std::string& body);
  void HandleLiveJobUpdate(const std::string& body);
  void HandleSingleJobDetail(const std::string& body);
  void HanglePlayAudioBoardcast(const std::string& body);
  void HangleStopAudioBoardcast(const std::string& body);
  void HandleWarningVoice();
  void HandleWarningCancel();

  void RestartJob() override;
  void NotifyJobDone();
  void QuerySingleJobDetail(int jobId);
  void HandleFullScreenNew(bool full);
  // Seconds until a job starts (-1 once it is over, 0 once begun) and until it ends, by the server's clock.
  std::pair<int, int> GetJobWindow(const std::string& start, const std::string& end);
  // Leaves the main thread's windows before the process ends.
  void Shutdown();

  const shell::WorkFolders& WorkDirs() const { return m_workDirs; }
  shell::WorkFolders& WorkDirs() { return m_workDirs; }
  shell::ConfigFile& Config() { return m_config; }
  form::Dui_ContentFrame* ContentFrame() const { return m_pContentFrame.get(); }
  form::Dui_TopBar* TopBar() const { return m_pTopBar.get(); }
  form::Dui_RegisterWnd* RegisterWnd() const { return m_pRegisterWnd.get(); }
  bool Registered() const { return m_bRegistered; }
  const std::string& TcpAddress() const { return m_strTcpAddr; }
  TerminalState StateCopy() const;

  // form::ContentFrameHost
  bool IsMuted() const override { return m_bMuted; }
  int FullScreenSetting() const override { return m_config.FullScreen(); }
  ui::Window* TopBarWindow() override;
  ui::Window* RegisterWindow() override;

 private:
  net::TcpLink::Hooks LinkHooks();
  void OnConnectFailed();
  void ShowFrameFullScreen();
  void ShowLiveView();
  void ShowFreeTimeWithBar();
  void MinimizeIfTray();
  void DispatchNotifyJobDone();
  void ArmJobTimer(int seconds, bool isStart);
  void JobTimerHandler(boost::system::error_code error, bool isStart);
  void StartBroadcast(const AudioBroadcast& broadcast);
  // A terminal without a sound card still shows its content: a failure is only logged.
  static void SetVolumeLogged(int level);
  void EndProgram(const char* reason);
  void ProcessMessage(const net::Packet& packet);

  std::string m_strExeDir;
  shell::WorkFolders m_workDirs;
  std::unique_ptr<form::Dui_RegisterWnd> m_pRegisterWnd;
  std::unique_ptr<form::Dui_ContentFrame> m_pContentFrame;
  std::unique_ptr<form::Dui_TopBar> m_pTopBar;
  std::shared_ptr<net::TcpLink> m_tcpLink;  // holds the current TcpClient and replaces it after failures
  shell::ConfigFile m_config;
  sys::LocalIdentity m_localIdentity;
  mutable std::mutex m_stateLock;  // m_state: the network thread writes it, the main thread reads it
  TerminalState m_state;
  std::vector<dal::BuildingInfo> m_areaList;
  std::atomic<bool> m_bMuted{false};
  std::atomic<bool> m_bMinimized{false};
  std::string m_strBasicAddr;
  std::string m_strTcpAddr;
  std::mutex m_siteLock;
  std::string m_strSiteAddr;
  std::atomic<bool> m_bRegistered{false};
  PlayLists m_playLists;
  int m_nCurJobIndex = -1;
  dal::ManagementApi m_api;
};

}  // namespace core
