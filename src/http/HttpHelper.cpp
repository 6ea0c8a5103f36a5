#include "http/HttpHelper.h"

#include <boost/beast/core/error.hpp>
#include <exception>

#include "http/HttpSession.h"
#include "http/UrlSplit.h"
#include "tools/TextCodec.h"

namespace http {

HttpHelper& HttpHelper::Instance() {
  static HttpHelper helper;
  return helper;
}

int HttpHelper::Get(const std::string& url, std::string& result, std::chrono::milliseconds timeLimit) const {
  const auto split = SplitUrl(url);
  if (!split) {
    result = "http_error_url，url为：" + url;
    return kHttpBadUrl;
  }
  try {
    boost::asio::io_context io;
    auto session = std::make_shared<HttpSession>(io);
    session->run(split->host, split->port, tools::LocalToUtf8(url), m_version);
    io.run_for(timeLimit);
    if (!io.stopped()) {
      HttpSession::fail(session->Stage(), boost::beast::error_code(boost::beast::error::timeout).message());
    }
    result = tools::Utf8ToLocal(session->Body());
    return result == "-1" ? kHttpMinusOne : kHttpOk;
  } catch (const std::exception& e) {
    const std::string text = e.what();
    const auto colon = text.find(':');
    if (colon == std::string::npos) return kHttpFailed;
    result = text + "\n";
    return text.compare(0, colon, "connect") == 0 ? kHttpConnectFailed : kHttpFailed;
  }
}

}  // namespace http
