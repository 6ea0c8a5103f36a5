// Every packet from the server reaches TcpMessageProcessor on the link's network thread.

#include <glog/logging.h>

#include <exception>

#include "core/GlobalApp.h"
#include "core/JsonUtil.h"

namespace core {
namespace {

// Job, broadcast and display-speed messages belong to the full broadcasting terminal only.
constexpr int kBroadcastTerminalType = 22;

}  // namespace

void GlobalApp::TcpMessageProcessor(const net::Packet& packet) {
  LOG(INFO) << "Into TcpMessageProcessor";
  LOG(INFO) << "接收服务器SubType" << packet.SubType << "接收服务器Msg:" << packet.body;
  try {
    ProcessMessage(packet);
  } catch (const std::exception& e) {
    LOG(ERROR) << "TcpMessageProcessor异常:" << e.what();
  } catch (...) {
    LOG(ERROR) << "TcpMessageProcessor异常";
  }
}

void GlobalApp::ProcessMessage(const net::Packet& packet) {
  const std::string& body = packet.body;
  if (packet.MainType == 11) {
    if (packet.SubType == 1001) HandleRegister(body);
    return;
  }
  if (packet.MainType != 13) return;
  switch (packet.SubType) {
    case 3001: HandleLogin(body); return;
    case 3004: HandleLiveJobUpdate(body); return;
    case 3006: HandleClientInfoUpdate(body); return;
    case 3007: HandleUnregister(); return;
    case 3009: HandleWarningVoice(); return;
    case 3010: HandleWarningCancel(); return;
    case 3022: return;
    case 3053: HandleGetTodayJob(body); return;
    default: break;
  }
  if (m_config.Type() != kBroadcastTerminalType) return;
  int setting = 0;
  switch (packet.SubType) {
    case 3005: HandleTodayJobUpdate(body); return;
    case 3008: return;
    case 3012: HanglePlayAudioBoardcast(body); return;
    case 3013: HangleStopAudioBoardcast(body); return;
    case 3020:
      if (ReadSetting(body, setting) == ReadResult::kOk) {
        std::lock_guard<std::mutex> guard(m_stateLock);
        m_state.TextSpeed = setting;
      }
      return;
    case 3021:
      if (ReadSetting(body, setting) == ReadResult::kOk) {
        std::lock_guard<std::mutex> guard(m_stateLock);
        m_state.ImageSpeed = setting;
      }
      return;
    case 3056: HandleSingleJobDetail(body); return;
    default: return;
  }
}

}  // namespace core
