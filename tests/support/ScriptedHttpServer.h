#pragma once
// A loopback listener that records each request and answers with fixed bytes,
// or never answers at all, so tests see exactly what the HTTP client sends and
// how it takes any reply.

#include <atomic>
#include <mutex>
#include <string>
#include <thread>

namespace testing_support {

class ScriptedHttpServer {
 public:
  enum class Mode { kAnswer, kStall };

  explicit ScriptedHttpServer(std::string response, Mode mode = Mode::kAnswer);
  ~ScriptedHttpServer();

  unsigned short Port() const { return m_port; }
  std::string Url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(m_port) + path;
  }
  // The last request's bytes, up to and including the empty line.
  std::string LastRequest() const;
  int Connections() const { return m_connections; }

 private:
  void Serve();
  void Answer(int connection);

  const std::string m_response;
  const Mode m_mode;
  int m_listener = -1;
  unsigned short m_port = 0;
  std::atomic<bool> m_stopping{false};
  std::atomic<int> m_connections{0};
  mutable std::mutex m_lock;
  std::string m_lastRequest;
  std::thread m_thread;
};

}  // namespace testing_support
