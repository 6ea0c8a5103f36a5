#include "http/HttpSession.h"

#include <iostream>
#include <stdexcept>

namespace http {

namespace beast = boost::beast;
namespace bhttp = beast::http;
using boost::asio::ip::tcp;

HttpSession::HttpSession(boost::asio::io_context& io) : m_resolver(io), m_stream(io) {
  m_parser.header_limit(kHeaderLimit);
  m_parser.body_limit(kBodyLimit);
}

void HttpSession::run(const std::string& host, const std::string& port, const std::string& target,
                      int version) {
  // Exactly these two fields: peers and logs rely on the request's bytes.
  m_request.method(bhttp::verb::get);
  m_request.target(target);
  m_request.version(version);
  m_request.set(bhttp::field::host, host);
  m_request.set(bhttp::field::user_agent, "Boost.Beast/144");
  m_resolver.async_resolve(host, port, beast::bind_front_handler(&HttpSession::on_resolve, shared_from_this()));
}

const std::string& HttpSession::Body() const { return m_parser.get().body(); }

void HttpSession::fail(const std::string& stage, const std::string& message) {
  const std::string text = stage + ": " + message;
  std::cerr << text << "\n";
  throw std::runtime_error(text);
}

void HttpSession::fail(beast::error_code error, const char* stage) { fail(stage, error.message()); }

void HttpSession::on_resolve(beast::error_code error, tcp::resolver::results_type results) {
  if (error) fail(error, "resolve");
  m_stage = "connect";
  m_stream.async_connect(results, [self = shared_from_this()](beast::error_code error, const tcp::endpoint&) {
    self->on_connect(error);
  });
}

void HttpSession::on_connect(beast::error_code error) {
  if (error) fail(error, "connect");
  m_stage = "write";
  bhttp::async_write(m_stream, m_request,
                     [self = shared_from_this()](beast::error_code error, size_t) { self->on_write(error); });
}

void HttpSession::on_write(beast::error_code error) {
  if (error) fail(error, "write");
  m_stage = "read";
  bhttp::async_read(m_stream, m_buffer, m_parser,
                    [self = shared_from_this()](beast::error_code error, size_t) { self->on_read(error); });
}

void HttpSession::on_read(beast::error_code error) {
  if (error) fail(error, "read");
  m_stage = "shutdown";
  m_stream.socket().shutdown(tcp::socket::shutdown_both, error);
  if (error && error != beast::errc::not_connected) fail(error, "shutdown");
}

}  // namespace http
