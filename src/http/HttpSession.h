#pragma once
// One HTTP exchange: resolve, connect, write, read, shutdown, each step chaining
// the next on the caller's private I/O context. A failed step raises an error
// whose text is the step's name, ": " and the system's message.

#include <boost/asio.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <memory>
#include <string>

namespace http {

inline constexpr size_t kHeaderLimit = 8192;
inline constexpr size_t kBodyLimit = 8u * 1024 * 1024;

class HttpSession : public std::enable_shared_from_this<HttpSession> {
 public:
  explicit HttpSession(boost::asio::io_context& io);

  void run(const std::string& host, const std::string& port, const std::string& target, int version);
  // The step in progress, for a call that runs out of time.
  const char* Stage() const { return m_stage; }
  // The response body, once the exchange has ended.
  const std::string& Body() const;

  [[noreturn]] static void fail(const std::string& stage, const std::string& message);

 private:
  void fail(boost::beast::error_code error, const char* stage);
  void on_resolve(boost::beast::error_code error, boost::asio::ip::tcp::resolver::results_type results);
  void on_connect(boost::beast::error_code error);
  void on_write(boost::beast::error_code error);
  void on_read(boost::beast::error_code error);

  boost::asio::ip::tcp::resolver m_resolver;
  boost::beast::tcp_stream m_stream;
  boost::beast::flat_buffer m_buffer;
  boost::beast::http::request<boost::beast::http::empty_body> m_request;
  boost::beast::http::response_parser<boost::beast::http::string_body> m_parser;
  const char* m_stage = "resolve";
};

}  // namespace http
