#include "socket/TcpLink.h"

#include <glog/logging.h>

#include <exception>
#include <thread>
#include <utility>

namespace net {

std::shared_ptr<TcpLink> TcpLink::Create(Hooks hooks, TcpLinkOptions options) {
  return std::shared_ptr<TcpLink>(new TcpLink(std::move(hooks), options));
}

TcpLink::TcpLink(Hooks hooks, TcpLinkOptions options) : m_hooks(std::move(hooks)), m_options(options) {}

void TcpLink::SetAddress(const std::string& address) {
  std::lock_guard<std::mutex> guard(m_clientLock);
  m_address = address;
}

std::string TcpLink::Address() const {
  std::lock_guard<std::mutex> guard(m_clientLock);
  return m_address;
}

TcpClientEvents TcpLink::EventsForNewClient() {
  const std::weak_ptr<TcpLink> link = weak_from_this();
  TcpClientEvents events;
  events.connectFailed = m_hooks.connectFailed;
  events.disconnected = m_hooks.disconnected;
  events.connected = m_hooks.connected;
  events.replaceMe = [link] {
    if (const auto alive = link.lock()) alive->Start();
  };
  return events;
}

void TcpLink::Start() {
  std::lock_guard<std::mutex> serial(m_startLock);
  try {
    auto client = TcpClient::Create(EventsForNewClient(), m_options.heartbeatInterval);
    std::shared_ptr<TcpClient> previous;
    {
      std::lock_guard<std::mutex> guard(m_clientLock);
      previous = std::exchange(m_current, client);
    }
    previous.reset();  // ends the old client here, outside the pointer's lock
    std::this_thread::sleep_for(m_options.reconnectPause);
    client->InstallMessageProcessor(m_hooks.processor);
    client->do_connect(Address());
  } catch (const std::exception& e) {
    LOG(ERROR) << "TcpLink::Start开启TCP远程连接异常:" << e.what();
  }
}

void TcpLink::Stop() { Release(); }

std::shared_ptr<TcpClient> TcpLink::Release() {
  std::lock_guard<std::mutex> guard(m_clientLock);
  return std::move(m_current);
}

void TcpLink::Send(uint16_t mainType, uint16_t subType, int32_t flag, const std::string& body) {
  if (const auto client = Current()) {
    client->SendMsg(mainType, subType, flag, body);
  } else {
    LOG(ERROR) << "没有TCP连接，丢弃报文 MainType:" << mainType << " SubType:" << subType;
  }
}

std::shared_ptr<TcpClient> TcpLink::Current() const {
  std::lock_guard<std::mutex> guard(m_clientLock);
  return m_current;
}

}  // namespace net
