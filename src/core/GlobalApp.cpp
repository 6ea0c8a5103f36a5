#include "core/GlobalApp.h"

#include <glog/logging.h>

#include <future>

#include "form/Dui_ContentFrame.h"
#include "form/Dui_RegisterWnd.h"
#include "form/Dui_TopBar.h"
#include "system/MasterVolume.h"
#include "system/NetworkTables.h"
#include "tools/Paths.h"
#include "tools/TextEdit.h"
#include "tools/TextCodec.h"
#include "tools/Today.h"
#include "ui/MainLoop.h"

namespace core {
namespace {

// Window styles as the original platform numbers them; the painters need only a few.
constexpr uint32_t kOverlappedVisible = 0x10CF0000;
constexpr uint32_t kExRaisedEdge = 0x00000100;
constexpr uint32_t kTopBarStyle = 0x100;
constexpr const char* kSubSystem = "M20";
constexpr const char* kDisplayName = "校园广播信息发布终端";
constexpr int kSocketServerRetries = 10;
constexpr const char* kDefaultTcpPort = ":13333";

}  // namespace

GlobalApp& GlobalApp::Instance() {
  static GlobalApp app(tools::ModuleDirectory());
  return app;
}

GlobalApp::GlobalApp(const std::string& programFolder)
    : m_workDirs(programFolder, tools::TodayAsText()), m_tcpLink(net::TcpLink::Create(LinkHooks())), m_api(*this) {
  m_config.Load(programFolder + "basic.ini");
  m_strExeDir = programFolder;
}

GlobalApp::~GlobalApp() { Shutdown(); }

void GlobalApp::Shutdown() {
  // The link first: its handlers reach the windows.
  StopTcpClient();
  m_pTopBar.reset();
  m_pContentFrame.reset();
  m_pRegisterWnd.reset();
}

void GlobalApp::Init() {
  CHECK(ui::OnMainThread()) << "the start sequence runs on the main thread";
  m_localIdentity = sys::ReadLocalIdentity();
  LOG(INFO) << "Ip:" << m_localIdentity.ip;
  LOG(INFO) << "MAC:" << m_localIdentity.mac;

  m_pRegisterWnd = std::make_unique<form::Dui_RegisterWnd>();
  m_pRegisterWnd->Create(nullptr, "终端注册窗口", kOverlappedVisible, kExRaisedEdge);
  m_pRegisterWnd->ShowWindow(false);
  m_pContentFrame = std::make_unique<form::Dui_ContentFrame>(*this);
  m_pContentFrame->Create(nullptr, kDisplayName, kOverlappedVisible, kExRaisedEdge);
  m_pContentFrame->ShowWindow(false);
  m_pTopBar = std::make_unique<form::Dui_TopBar>(*m_pContentFrame, m_api, *this);
  m_pTopBar->Create(m_pContentFrame.get(), "TopBar", kTopBarStyle, kExRaisedEdge);
  m_pTopBar->ShowWindow(false);

  if (IsRegistered()) {
    LOG(INFO) << "已经注册";
    m_bRegistered = true;
  } else {
    LOG(INFO) << "未注册，启动注册界面";
    const ui::Size screen = ui::CurrentPainter().ScreenSize();
    m_pRegisterWnd->MoveWindow({0, 0, screen.cx, screen.cy});
    m_pRegisterWnd->ShowWindow(true);
  }
}

bool GlobalApp::IsRegistered() {
  std::vector<std::wstring> parts;
  tools::SplitText(m_config.GetBasicAddr(), L":", parts);
  if (parts.size() != 2 || m_config.ClientId() < 1) return false;
  std::string ip, port;
  tools::ToLocalText(parts[0], ip);
  tools::ToLocalText(parts[1], port);
  // Known before the link starts: its first connect, which may complete at once, sends the login.
  m_bRegistered = true;
  if (ConnectServer(ip, port)) return true;
  m_bRegistered = false;
  return false;
}

bool GlobalApp::ConnectServer(const std::string& ip, const std::string& port) {
  const std::string basic = ip + ":" + port;
  const std::string site = dal::GetSubSystemInfo(basic, kSubSystem);
  LOG(INFO) << "广播站点地址：" << site;
  if (site.empty()) {
    LOG(INFO) << "无法查询到 SubSystem WS地址";
    return false;
  }
  m_strBasicAddr = basic;
  {
    std::lock_guard<std::mutex> guard(m_siteLock);
    m_strSiteAddr = site;
  }
  m_strTcpAddr = m_api.GetSocketServer();
  for (int retry = 0; m_strTcpAddr.empty() && retry < kSocketServerRetries; ++retry)
    m_strTcpAddr = m_api.GetSocketServer();
  if (m_strTcpAddr.empty()) {
    // Without a port the site address keeps its path after the host: cut at ':' or '/'.
    std::string host = site;
    tools::ReplaceAllText("http://", "", host);
    host = host.substr(0, host.find_first_of(":/"));
    m_strTcpAddr = host + kDefaultTcpPort;
    LOG(INFO) << "拼接地址：" << m_strTcpAddr;
  }
  LOG(INFO) << "TCP连接地址：" << m_strTcpAddr;
  std::wstring wideBasic;
  tools::ToWideText(basic, wideBasic);
  m_config.SetBasicAddr(wideBasic);

  // The start pauses a second; the main thread keeps serving the windows meanwhile.
  auto started = std::async(std::launch::async, [this] { StartTcpClient(); });
  if (ui::OnMainThread())
    ui::RunMainThreadUntil(
        [&] { return started.wait_for(std::chrono::seconds(0)) == std::future_status::ready; });
  started.get();
  return true;
}

std::string GlobalApp::GetSiteAddr() {
  std::lock_guard<std::mutex> guard(m_siteLock);
  if (m_strSiteAddr.empty()) m_strSiteAddr = dal::GetSubSystemInfo(m_strBasicAddr, kSubSystem);
  return m_strSiteAddr;
}

std::vector<dal::BuildingInfo>& GlobalApp::GetAreaList() {
  if (m_areaList.empty()) {
    try {
      m_api.GetBuildingFloorRoomSimple(m_areaList);
    } catch (const std::exception& e) {
      LOG(ERROR) << "GetBuildingFloorRoomSimple异常:" << e.what();
    }
    if (m_areaList.empty()) LOG(INFO) << "获取不到区域信息";
  }
  return m_areaList;
}

net::TcpLink::Hooks GlobalApp::LinkHooks() {
  net::TcpLink::Hooks hooks;
  hooks.processor = [this](const net::Packet& packet) { TcpMessageProcessor(packet); };
  hooks.connectFailed = [this] { OnConnectFailed(); };
  hooks.disconnected = [this] {
    if (m_pContentFrame) m_pContentFrame->ShowDisconnected();
  };
  hooks.connected = [this] {
    if (m_bRegistered) SendLogin(m_config.ClientId());
  };
  return hooks;
}

void GlobalApp::StartTcpClient() {
  try {
    m_tcpLink->SetAddress(m_strTcpAddr);
    m_tcpLink->Start();
  } catch (const std::exception& e) {
    LOG(ERROR) << "GlobalApp::StartTcpClient开启TCP远程连接异常:" << e.what();
  }
}

void GlobalApp::StopTcpClient() {
  std::shared_ptr<net::TcpClient> client = m_tcpLink->Release();
  if (!client || !ui::OnMainThread()) return;
  // Ending a client waits for its network thread, which may be waiting for the main
  // thread: end it elsewhere and keep serving the main thread meanwhile.
  auto ended = std::async(std::launch::async, [client = std::move(client)]() mutable { client.reset(); });
  ui::RunMainThreadUntil([&] { return ended.wait_for(std::chrono::seconds(0)) == std::future_status::ready; });
}

void GlobalApp::OnConnectFailed() {
  if (!m_bRegistered || !m_pContentFrame) return;
  if (!m_bMinimized) ShowFrameFullScreen();
  m_pContentFrame->ShowDisconnected();
}

void GlobalApp::ShowFrameFullScreen() {
  ui::SendToMainThread([this] {
    const ui::Size screen = ui::CurrentPainter().ScreenSize();
    m_pContentFrame->MoveWindow({0, 0, screen.cx, screen.cy});
    m_pContentFrame->ShowWindow(true);
    if (m_pTopBar && m_config.FullScreen() == 0) m_pTopBar->ShowWindow(true);
  });
}

void GlobalApp::SetVolumeLogged(int level) {
  try {
    sys::SetMasterVolume(level);
  } catch (const std::exception& e) {
    LOG(ERROR) << "设置音量失败:" << e.what();
  }
}

TerminalState GlobalApp::StateCopy() const {
  std::lock_guard<std::mutex> guard(m_stateLock);
  return m_state;
}

ui::Window* GlobalApp::TopBarWindow() { return m_pTopBar.get(); }
ui::Window* GlobalApp::RegisterWindow() { return m_pRegisterWnd.get(); }

}  // namespace core
