#include "ScriptedHttpServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

namespace testing_support {

ScriptedHttpServer::ScriptedHttpServer(std::string response, Mode mode)
    : m_response(std::move(response)), m_mode(mode) {
  m_listener = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof(address);
  if (bind(m_listener, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 ||
      listen(m_listener, 8) != 0 ||
      getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &length) != 0)
    throw std::runtime_error("cannot listen on loopback");
  m_port = ntohs(address.sin_port);
  m_thread = std::thread([this] { Serve(); });
}

ScriptedHttpServer::~ScriptedHttpServer() {
  m_stopping = true;
  m_thread.join();
  close(m_listener);
}

std::string ScriptedHttpServer::LastRequest() const {
  std::lock_guard<std::mutex> guard(m_lock);
  return m_lastRequest;
}

void ScriptedHttpServer::Serve() {
  while (!m_stopping) {
    pollfd waiting{m_listener, POLLIN, 0};
    if (poll(&waiting, 1, 50) <= 0) continue;
    const int connection = accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC);
    if (connection < 0) continue;
    ++m_connections;
    Answer(connection);
    close(connection);
  }
}

void ScriptedHttpServer::Answer(int connection) {
  std::string request;
  char chunk[4096];
  while (request.find("\r\n\r\n") == std::string::npos && !m_stopping) {
    pollfd waiting{connection, POLLIN, 0};
    if (poll(&waiting, 1, 50) <= 0) continue;
    const ssize_t n = recv(connection, chunk, sizeof(chunk), 0);
    if (n <= 0) break;
    request.append(chunk, static_cast<size_t>(n));
  }
  {
    std::lock_guard<std::mutex> guard(m_lock);
    m_lastRequest = request;
  }
  if (m_mode == Mode::kStall) {
    while (!m_stopping) std::this_thread::sleep_for(std::chrono::milliseconds(20));
    return;
  }
  for (size_t sent = 0; sent < m_response.size();) {
    const ssize_t n = send(connection, m_response.data() + sent, m_response.size() - sent, MSG_NOSIGNAL);
    if (n <= 0) break;
    sent += static_cast<size_t>(n);
  }
  shutdown(connection, SHUT_WR);
}

}  // namespace testing_support
