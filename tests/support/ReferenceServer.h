#pragma once
// The reference management server (server/vireo_server.py) in a child process
// on loopback, with its admin API at hand.

#include <json/json.h>
#include <sys/types.h>

#include <string>

namespace testing_support {

class ReferenceServer {
 public:
  explicit ReferenceServer(const std::string& scenario = "school.json");
  ~ReferenceServer();

  ReferenceServer(const ReferenceServer&) = delete;
  ReferenceServer& operator=(const ReferenceServer&) = delete;

  std::string TcpAddress() const { return "127.0.0.1:" + std::to_string(m_tcpPort); }
  unsigned short TcpPort() const { return m_tcpPort; }
  unsigned short WebPort() const { return m_webPort; }

  Json::Value Get(const std::string& target) const;
  Json::Value Post(const std::string& target, const Json::Value& body) const;

  // Connections are numbered from 1 in the order they arrived.
  Json::Value Terminals() const { return Get("/admin/terminals"); }
  int ConnectionCount() const { return static_cast<int>(Terminals().size()); }
  Json::Value Received(int connection) const;
  void Push(int connection, int mainType, int subType, const std::string& body) const;
  void PushRaw(int connection, const std::string& bytes) const;
  void Close(int connection, bool reset = false) const;

 private:
  Json::Value Request(const std::string& method, const std::string& target, const std::string& body) const;

  std::string m_folder;
  pid_t m_pid = -1;
  unsigned short m_tcpPort = 0;
  unsigned short m_webPort = 0;
  unsigned short m_adminPort = 0;
};

}  // namespace testing_support
