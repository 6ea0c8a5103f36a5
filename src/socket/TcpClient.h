#pragma once
// One TCP connection to the management server, with an I/O loop on a thread of
// its own. A client is used for one connection only: after any failure it asks
// its owner, once, to replace it, and reads and writes no more.

#include <atomic>
#include <boost/asio.hpp>
#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "socket/Packet.h"
#include "socket/PacketReader.h"

namespace net {

inline constexpr std::chrono::milliseconds kHeartbeatInterval{30000};

// What the client tells its owner. Every callback runs on the client's network
// thread except replaceMe, which runs on a new thread of its own.
struct TcpClientEvents {
  std::function<void()> connectFailed;  // before the replacement is asked for
  std::function<void()> disconnected;   // the link is down: show the no-connection page
  std::function<void()> connected;      // the connection stands and reading has started
  std::function<void()> replaceMe;
};

class TcpClient {
 public:
  using Processor = std::function<void(const Packet&)>;

  // The only way to make a client: the last release on its own network thread
  // is handed to another thread, since a thread cannot join itself.
  static std::shared_ptr<TcpClient> Create(TcpClientEvents events,
                                           std::chrono::milliseconds heartbeatInterval = kHeartbeatInterval);
  ~TcpClient();

  TcpClient(const TcpClient&) = delete;
  TcpClient& operator=(const TcpClient&) = delete;

  void InstallMessageProcessor(Processor processor);
  // Resolves host:port on the calling thread, then connects on the network thread.
  void do_connect(const std::string& address);
  // From any thread. Packets are written one after another on the network
  // thread, once the connection stands. A body over kMaxOutgoingBodyBytes is refused.
  void SendMsg(uint16_t mainType, uint16_t subType, int32_t flag, const std::string& body);

  bool OnNetworkThread() const { return std::this_thread::get_id() == m_thread.get_id(); }

  // Runs `work` on the network thread: at once when already there, queued otherwise.
  void Dispatch(std::function<void()> work) { boost::asio::dispatch(m_ioContext, std::move(work)); }
  // The owner's timer for scheduled work; its handlers run on the network thread.
  // Armed, cancelled and waited on from the network thread only.
  boost::asio::steady_timer& JobTimer() { return m_tJobTimer; }

 private:
  TcpClient(TcpClientEvents events, std::chrono::milliseconds heartbeatInterval);

  void run();
  void do_heartbeat();
  void fail_connect(boost::system::error_code error);
  void handle_session_connect(boost::system::error_code error);
  void start_read(const char* step, void (TcpClient::*handler)(boost::system::error_code));
  void do_read_header();
  void handle_read_header(boost::system::error_code error);
  void do_read_body();
  void handle_read_body(boost::system::error_code error);
  void handle_read_data(const Packet& packet);
  void read_next(const PacketPtr& completed);
  void do_write();
  void handle_write(boost::system::error_code error);
  void do_reconnect();

  const TcpClientEvents m_events;
  const std::chrono::milliseconds m_heartbeatInterval;
  std::string m_strAddr;  // written before the connect is posted, then read on the network thread
  boost::asio::io_context m_ioContext;
  boost::asio::ip::tcp::socket m_socket;
  boost::asio::steady_timer m_tCheckTimer;
  boost::asio::steady_timer m_tJobTimer;

  // Network thread only.
  PacketReader m_reader;
  std::vector<uint8_t> m_readBuffer;
  std::deque<PacketPtr> m_writeQueue;
  bool m_connected = false;

  std::mutex m_processorLock;
  Processor m_processor;
  std::atomic<bool> m_reconnectAsked{false};

  std::thread m_thread;  // last: starts once everything above exists
};

}  // namespace net
