#include "socket/TcpClient.h"

#include <glog/logging.h>

#include <exception>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace net {

namespace asio = boost::asio;
using asio::ip::tcp;
using boost::system::error_code;

namespace {

std::vector<std::string> SplitAddress(const std::string& address) {
  std::vector<std::string> parts;
  std::stringstream stream(address);
  for (std::string part; std::getline(stream, part, ':');) parts.push_back(part);
  if (!address.empty() && address.back() == ':') parts.emplace_back();
  return parts;
}

}  // namespace

std::shared_ptr<TcpClient> TcpClient::Create(TcpClientEvents events,
                                             std::chrono::milliseconds heartbeatInterval) {
  return std::shared_ptr<TcpClient>(new TcpClient(std::move(events), heartbeatInterval),
                                    [](TcpClient* client) {
                                      if (client->OnNetworkThread())
                                        std::thread([client] { delete client; }).detach();
                                      else
                                        delete client;
                                    });
}

TcpClient::TcpClient(TcpClientEvents events, std::chrono::milliseconds heartbeatInterval)
    : m_events(std::move(events)),
      m_heartbeatInterval(heartbeatInterval),
      m_socket(m_ioContext),
      m_tCheckTimer(m_ioContext),
      m_tJobTimer(m_ioContext),
      m_readBuffer(kMaxBodyBytes) {
  // The armed heartbeat timer is the work that keeps the loop from ending at once.
  do_heartbeat();
  m_thread = std::thread([this] { run(); });
}

TcpClient::~TcpClient() {
  try {
    // The socket and the timer belong to the network thread: close them there.
    asio::post(m_ioContext, [this] {
      error_code ignored;
      m_socket.close(ignored);
      m_tCheckTimer.cancel();
      m_tJobTimer.cancel();
      m_ioContext.stop();
    });
    if (m_thread.joinable()) m_thread.join();
    error_code ignored;
    if (m_socket.is_open()) m_socket.close(ignored);
  } catch (const std::exception& e) {
    LOG(ERROR) << "TcpClient::~TcpClient 异常:" << e.what();
  } catch (...) {
    LOG(ERROR) << "TcpClient::~TcpClient未知异常";
  }
}

void TcpClient::run() {
  LOG(INFO) << "TCP Client Run in thread " << std::this_thread::get_id();
  for (;;) {
    try {
      m_ioContext.run();
      break;
    } catch (const std::exception& e) {
      LOG(ERROR) << "TcpClient::run异常:" << e.what();
    }
  }
  LOG(INFO) << "IO 已经退出";
}

void TcpClient::InstallMessageProcessor(Processor processor) {
  try {
    std::lock_guard<std::mutex> guard(m_processorLock);
    m_processor = std::move(processor);
  } catch (const std::exception& e) {
    LOG(ERROR) << "TcpClient::InstallMessageProcessor异常:" << e.what();
  }
}

void TcpClient::do_heartbeat() {
  try {
    LOG(INFO) << "[发送心跳]" << "MainType:" << kHeartbeat << " SubType:" << 2001;
    if (m_connected) SendMsg(kHeartbeat, 2001, 1, "");
    m_tCheckTimer.expires_after(m_heartbeatInterval);
    m_tCheckTimer.async_wait([this](error_code error) {
      if (error != asio::error::operation_aborted) do_heartbeat();
    });
  } catch (const std::exception& e) {
    LOG(ERROR) << "TcpClient::do_heartbeat异常:" << e.what();
  }
}

void TcpClient::do_connect(const std::string& address) {
  m_strAddr = address;
  const auto parts = SplitAddress(address);
  if (parts.size() < 2) {
    // A broken address is a failed connect: a network fault never ends the terminal.
    LOG(ERROR) << "[" << address << "] ip 格式不正确!";
    fail_connect(asio::error::invalid_argument);
    return;
  }
  try {
    tcp::resolver resolver(m_ioContext);
    const auto endpoints = resolver.resolve(parts[0], parts[1]);
    asio::post(m_ioContext, [this, endpoints] {
      asio::async_connect(m_socket, endpoints,
                          [this](error_code error, const tcp::endpoint&) { handle_session_connect(error); });
    });
  } catch (const std::exception& e) {
    LOG(ERROR) << "连接远程地址[" << address << "], socket异常:[未知异常]";
    LOG(ERROR) << "TcpClient::do_connect: " << e.what();
    fail_connect(asio::error::host_not_found);
  }
}

void TcpClient::fail_connect(error_code error) {
  asio::post(m_ioContext, [this, error] { handle_session_connect(error); });
}

void TcpClient::handle_session_connect(error_code error) {
  LOG(INFO) << "enter handle_session_connect.";
  try {
    if (error) {
      if (m_events.connectFailed) m_events.connectFailed();
      LOG(INFO) << "连接远程地址:[" << m_strAddr << "]失败！错误码：" << error.value();
      do_reconnect();
      return;
    }
    LOG(INFO) << "建立socket连接成功";
    m_socket.set_option(asio::socket_base::linger(true, 0));
    m_socket.set_option(asio::socket_base::keep_alive(true));
    m_connected = true;
    do_read_header();
    if (!m_writeQueue.empty()) do_write();
    if (m_events.connected) m_events.connected();
  } catch (...) {
    LOG(ERROR) << "连接远程地址:[" << m_strAddr << "],socket异常:[未知异常]";
    do_reconnect();
  }
}

void TcpClient::do_read_header() {
  LOG(INFO) << "enter handle_read_header.";
  start_read("do_read_header", &TcpClient::handle_read_header);
}

// Reads exactly what the packet reader still wants; a failure to start ends reading on this client.
void TcpClient::start_read(const char* step, void (TcpClient::*handler)(error_code)) {
  try {
    asio::async_read(m_socket, asio::buffer(m_readBuffer.data(), m_reader.BytesWanted()),
                     [this, handler](error_code error, size_t) { (this->*handler)(error); });
  } catch (const std::exception& e) {
    LOG(ERROR) << "TcpClient::" << step << "异常:" << e.what();
  } catch (...) {
    LOG(ERROR) << "TcpClient::" << step << "未知异常";
  }
}

void TcpClient::handle_read_header(error_code error) {
  if (error) {
    LOG(INFO) << "async read header error:" << error.value() << " " << error.message();
    do_reconnect();
    return;
  }
  const PacketPtr completed = m_reader.Consume(m_readBuffer.data(), kHeaderSize);
  if (const uint32_t dropped = m_reader.TakeDroppedLength())
    LOG(ERROR) << "报文体长度" << dropped << "超过" << kMaxBodyBytes << "字节，丢弃该报头";
  read_next(completed);
}

void TcpClient::do_read_body() {
  LOG(INFO) << "enter handle_read_body.";
  start_read("do_read_body", &TcpClient::handle_read_body);
}

void TcpClient::handle_read_body(error_code error) {
  if (error) {
    LOG(INFO) << "async read body 错误";
    do_reconnect();
    return;
  }
  read_next(m_reader.Consume(m_readBuffer.data(), m_reader.BytesWanted()));
}

void TcpClient::read_next(const PacketPtr& completed) {
  if (completed) handle_read_data(*completed);
  if (m_reader.CurrentStage() == PacketReader::Stage::kHeader) do_read_header();
  else do_read_body();
}

void TcpClient::handle_read_data(const Packet& packet) {
  LOG(INFO) << "enter handle_read_data";
  try {
    Processor processor;
    {
      std::lock_guard<std::mutex> guard(m_processorLock);
      processor = m_processor;
    }
    if (!processor) throw std::logic_error("未安装消息处理器，报文已丢弃");
    processor(packet);
  } catch (const std::exception& e) {
    LOG(ERROR) << "TcpClient::handle_read_data异常:" << e.what();
  } catch (...) {
    LOG(ERROR) << "TcpClient::handle_read_data未知异常";
  }
}

void TcpClient::SendMsg(uint16_t mainType, uint16_t subType, int32_t flag, const std::string& body) {
  try {
    LOG(INFO) << "[TCP报文]MainType:" << mainType << " SubType:" << subType << " Flag:" << flag;
    if (body.size() > kMaxOutgoingBodyBytes) {
      LOG(ERROR) << "报文体过长(" << body.size() << "字节)，未发送 MainType:" << mainType
                 << " SubType:" << subType;
      return;
    }
    auto packet = std::make_shared<Packet>();
    WrapperPacket(*packet, mainType, subType, flag, body);
    asio::post(m_ioContext, [this, packet] {
      m_writeQueue.push_back(packet);
      if (m_connected && m_writeQueue.size() == 1) do_write();
    });
  } catch (const std::exception& e) {
    LOG(ERROR) << "SendMsg异常:" << e.what();
  } catch (...) {
    LOG(ERROR) << "SendMsg未知异常";
  }
}

void TcpClient::do_write() {
  const PacketPtr packet = m_writeQueue.front();
  try {
    if (packet->data.empty()) packet->Encode();
    asio::async_write(m_socket, asio::buffer(packet->data),
                      [this, packet](error_code error, size_t) { handle_write(error); });
  } catch (const std::exception& e) {
    LOG(ERROR) << "TcpClient::do_write异常:" << e.what();
    do_reconnect();
  }
}

void TcpClient::handle_write(error_code error) {
  if (error) {
    LOG(INFO) << "TcpClient::handle_write socket异常:[" << error.message() << "]";
    LOG(INFO) << "TcpClient::handle_write socket异常:[" << error.value() << "]";
    do_reconnect();
    return;
  }
  m_writeQueue.pop_front();
  if (!m_writeQueue.empty()) do_write();
}

void TcpClient::do_reconnect() {
  // A broken connection often fails a read and a write: one replacement is enough.
  if (m_reconnectAsked.exchange(true)) return;
  try {
    LOG(INFO) << "连接异常断开，触发重连";
    m_connected = false;
    if (m_events.disconnected) m_events.disconnected();
    if (m_events.replaceMe) std::thread(m_events.replaceMe).detach();
  } catch (const std::exception& e) {
    LOG(ERROR) << "TcpClient::do_reconnect异常:" << e.what();
  } catch (...) {
    LOG(ERROR) << "TcpClient::do_reconnect未知异常";
  }
}

}  // namespace net
