#pragma once
// The terminal's one HTTP client: one blocking HTTP/1.1 GET per call on a fresh
// connection, plain TCP for every scheme, with a time limit on the whole exchange.

#include <chrono>
#include <string>

namespace http {

// Without a limit one stalled server would freeze the clock, the scheduler and
// the network thread for good.
inline constexpr std::chrono::seconds kHttpTimeLimit{15};

enum HttpResult : int {
  kHttpOk = 0,
  kHttpMinusOne = -1,   // the body is exactly "-1"
  kHttpBadUrl = 1,
  kHttpConnectFailed = 2,
  kHttpFailed = 4,      // resolve, write, read, shutdown, time-out
};

class HttpHelper {
 public:
  static HttpHelper& Instance();

  // `result` receives the body as local text, or the failure text with a line
  // feed. The HTTP status is not looked at.
  int Get(const std::string& url, std::string& result,
          std::chrono::milliseconds timeLimit = kHttpTimeLimit) const;

 private:
  HttpHelper() = default;
  const int m_version = 11;
};

}  // namespace http
