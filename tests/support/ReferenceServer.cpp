#include "ReferenceServer.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <boost/asio.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "WaitFor.h"
#include "tools/Base64.h"

extern char** environ;

namespace testing_support {

namespace fs = std::filesystem;
namespace beast = boost::beast;
namespace http = beast::http;

ReferenceServer::ReferenceServer(const std::string& scenario) {
  char folder[] = "/tmp/vireo-server-XXXXXX";
  if (!mkdtemp(folder)) throw std::runtime_error("mkdtemp failed");
  m_folder = folder;
  const std::string portsFile = m_folder + "/ports.json";
  const std::string script = std::string(VIREO_SOURCE_DIR) + "/server/vireo_server.py";
  const std::string scenarioPath = std::string(VIREO_SOURCE_DIR) + "/server/scenarios/" + scenario;
  std::vector<std::string> args = {"python3", script, "--tcp-port", "0", "--web-port", "0", "--admin-port", "0",
                                   "--scenario", scenarioPath, "--ports-file", portsFile};
  std::vector<char*> argv;
  for (auto& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t files;
  posix_spawn_file_actions_init(&files);
  posix_spawn_file_actions_addopen(&files, 1, "/dev/null", O_WRONLY, 0);
  const int result = posix_spawnp(&m_pid, "python3", &files, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&files);
  if (result != 0) throw std::runtime_error("cannot start the reference server");
  if (!WaitFor([&] { return fs::exists(portsFile); }))
    throw std::runtime_error("the reference server did not start");
  std::ifstream ports(portsFile);
  Json::Value value;
  ports >> value;
  m_tcpPort = static_cast<unsigned short>(value["tcp"].asUInt());
  m_webPort = static_cast<unsigned short>(value["web"].asUInt());
  m_adminPort = static_cast<unsigned short>(value["admin"].asUInt());
}

ReferenceServer::~ReferenceServer() {
  if (m_pid > 0) {
    kill(m_pid, SIGTERM);
    waitpid(m_pid, nullptr, 0);
  }
  std::error_code ignored;
  fs::remove_all(m_folder, ignored);
}

Json::Value ReferenceServer::Request(const std::string& method, const std::string& target,
                                     const std::string& body) const {
  boost::asio::io_context io;
  beast::tcp_stream stream(io);
  stream.connect(boost::asio::ip::tcp::endpoint(boost::asio::ip::make_address("127.0.0.1"), m_adminPort));
  http::request<http::string_body> request(http::string_to_verb(method), target, 11);
  request.set(http::field::host, "127.0.0.1");
  request.set(http::field::content_type, "application/json");
  request.body() = body;
  request.prepare_payload();
  http::write(stream, request);
  beast::flat_buffer buffer;
  http::response<http::string_body> response;
  http::read(stream, buffer, response);
  beast::error_code ignored;
  stream.socket().shutdown(boost::asio::ip::tcp::socket::shutdown_both, ignored);
  Json::Value value;
  std::istringstream(response.body()) >> value;
  if (response.result_int() != 200)
    throw std::runtime_error(method + " " + target + ": " + value["error"].asString());
  return value;
}

Json::Value ReferenceServer::Get(const std::string& target) const { return Request("GET", target, ""); }

Json::Value ReferenceServer::Post(const std::string& target, const Json::Value& body) const {
  return Request("POST", target, Json::writeString(Json::StreamWriterBuilder(), body));
}

Json::Value ReferenceServer::Received(int connection) const {
  return Get("/admin/terminals/" + std::to_string(connection) + "/received");
}

void ReferenceServer::Push(int connection, int mainType, int subType, const std::string& body) const {
  Json::Value message;
  message["main_type"] = mainType;
  message["sub_type"] = subType;
  message["body"] = body;
  Post("/admin/terminals/" + std::to_string(connection) + "/send", message);
}

void ReferenceServer::PushRaw(int connection, const std::string& bytes) const {
  Json::Value message;
  std::string encoded;
  tools::EncodeBase64(bytes, encoded);
  message["raw_base64"] = encoded;
  Post("/admin/terminals/" + std::to_string(connection) + "/send", message);
}

void ReferenceServer::Close(int connection, bool reset) const {
  Json::Value message;
  message["reset"] = reset;
  Post("/admin/terminals/" + std::to_string(connection) + "/close", message);
}

}  // namespace testing_support
