#pragma once
// Keeps the terminal's one current TcpClient to one server address and replaces
// it after every failure: a new client, a pause, then a new connect. Starts are
// serialised, so exactly one current client remains whoever asks for a start.

#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

#include "socket/TcpClient.h"

namespace net {

inline constexpr std::chrono::milliseconds kReconnectPause{1000};

struct TcpLinkOptions {
  std::chrono::milliseconds reconnectPause = kReconnectPause;
  std::chrono::milliseconds heartbeatInterval = kHeartbeatInterval;
};

class TcpLink : public std::enable_shared_from_this<TcpLink> {
 public:
  // The owner's side of every client: replacement is the link's own business.
  struct Hooks {
    TcpClient::Processor processor;
    std::function<void()> connectFailed;
    std::function<void()> disconnected;
    std::function<void()> connected;
  };

  static std::shared_ptr<TcpLink> Create(Hooks hooks, TcpLinkOptions options = {});

  void SetAddress(const std::string& address);
  std::string Address() const;

  // Replaces the current client by a new one, pauses, then connects it. Blocks
  // for the pause; never call it on a client's network thread.
  void Start();
  // Lets go of the current client; it ends once no sender holds it any more.
  void Stop();
  // Lets go of the current client and hands it to the caller, who decides where it ends.
  std::shared_ptr<TcpClient> Release();

  // Sends through the current client; without one the message is dropped with a log line.
  void Send(uint16_t mainType, uint16_t subType, int32_t flag, const std::string& body);

  std::shared_ptr<TcpClient> Current() const;

 private:
  TcpLink(Hooks hooks, TcpLinkOptions options);
  TcpClientEvents EventsForNewClient();

  const Hooks m_hooks;
  const TcpLinkOptions m_options;
  std::mutex m_startLock;           // one start at a time
  mutable std::mutex m_clientLock;  // the pointer and the address only; never held while a client ends
  std::shared_ptr<TcpClient> m_current;
  std::string m_address;
};

}  // namespace net
