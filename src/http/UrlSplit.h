#pragma once

#include <optional>
#include <string>

namespace http {

struct HostAndPort {
  std::string host;
  std::string port;
};

// Host and port of an "http://" or "https://" URL (port "80" when none is
// given, for both schemes); nothing for any other URL.
std::optional<HostAndPort> SplitUrl(const std::string& url);

}  // namespace http
