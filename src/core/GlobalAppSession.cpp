// Registration, login, device updates and removal; status reports.

#include <glog/logging.h>

#include "core/GlobalApp.h"
#include "core/JsonUtil.h"
#include "form/Dui_ContentFrame.h"
#include "form/Dui_MessageBox.h"
#include "form/Dui_RegisterWnd.h"
#include "form/Dui_TopBar.h"
#include "system/MasterVolume.h"
#include "tools/Format.h"
#include "tools/TextCodec.h"
#include "ui/MainLoop.h"

namespace core {
namespace {

const char* RegistrationFailure(int code) {
  switch (code) {
    case -1: return "注册失败";
    case -2: return "设备名称重复，请重新命名";
    case -4: return "解析注册信息失败";
    case -5: return "楼宇或者区域不存在";
    default: return nullptr;
  }
}

}  // namespace

void GlobalApp::SendLogin(int clientId) {
  m_tcpLink->Send(13, 3001, 1, tools::FormatText("{\"ID\":%d}", clientId));
}

void GlobalApp::SendBoardcastStatuToServer(const StatusReport& report) {
  try {
    const TerminalState state = StateCopy();
    const std::string body = StatusReportBody(report, m_config.ClientId(), state.live, state.broadcast);
    LOG(INFO) << "状态更新：" << body;
    m_tcpLink->Send(13, 3055, 1, tools::LocalToUtf8(body));
  } catch (const std::exception& e) {
    LOG(ERROR) << "SendBoardcastStatuToServer 异常:" << e.what();
  }
}

void GlobalApp::HandleRegister(const std::string& body) {
  int code = 0;
  if (ReadRegisterReply(body, code) != ReadResult::kOk) return;
  if (const char* failure = RegistrationFailure(code)) {
    form::Dui_MessageBox::Show(m_pContentFrame.get(), failure);
    return;
  }
  if (code < 1) return;
  m_config.SetClientId(code);
  m_config.Save();
  m_bRegistered = true;
  SendLogin(code);
}

void GlobalApp::HandleLogin(const std::string& body) {
  ui::SendToMainThread([this] { m_pRegisterWnd->ShowWindow(false); });
  TerminalState state;
  {
    std::lock_guard<std::mutex> guard(m_stateLock);
    // A body that is not JSON leaves the state as it was: the login goes on with it.
    if (ReadLoginReply(body, m_state) == ReadResult::kTypeError) return;
    state = m_state;
  }
  const int result = state.device.Id;
  if (result == -4 || result == -5) {
    form::Dui_MessageBox::Show(m_pContentFrame.get(), result == -4 ? "设备未注册" : "设备不存在");
    EndProgram("设备未注册");
    return;
  }
  SetVolumeLogged(state.device.Volume);
  m_config.Save();
  ShowFrameFullScreen();
  m_pContentFrame->SetContentInset(0);
  m_pTopBar->SetClientName(state.device);
  m_pTopBar->UpdateWeather();
  RestartJob();
}

void GlobalApp::HandleClientInfoUpdate(const std::string& body) {
  DeviceInfo device;
  {
    std::lock_guard<std::mutex> guard(m_stateLock);
    bool sameDevice = false;
    if (ReadDeviceUpdate(body, m_state.device, sameDevice) == ReadResult::kTypeError) return;
    if (!sameDevice) LOG(INFO) << "终端ID不一致，不更新终端信息";
    device = m_state.device;
  }
  m_pTopBar->SetClientName(device);
}

void GlobalApp::HandleUnregister() { EndProgram("设备已被删除"); }

void GlobalApp::EndProgram(const char* reason) {
  LOG(INFO) << reason;
  // The stored registration goes; this run keeps its values until it ends.
  m_config.Reset();
  ui::SendToMainThread([this] {
    if (m_pContentFrame && m_pContentFrame->IsWindow()) m_pContentFrame->Close(1);
    if (m_pRegisterWnd && m_pRegisterWnd->IsWindow()) m_pRegisterWnd->Close(1);
  });
  ui::QuitMainLoop(0);
  LOG(INFO) << "程序退出";
}

}  // namespace core
