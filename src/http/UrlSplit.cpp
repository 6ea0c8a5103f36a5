#include "http/UrlSplit.h"

namespace http {

std::optional<HostAndPort> SplitUrl(const std::string& url) {
  // The scheme may stand anywhere in the text; its length is cut from the front.
  size_t schemeLength = 0;
  if (url.find("http://") != std::string::npos) schemeLength = 7;
  else if (url.find("https://") != std::string::npos) schemeLength = 8;
  else return std::nullopt;

  const std::string rest = url.substr(std::min(schemeLength, url.size()));
  HostAndPort split{rest.substr(0, rest.find('/')), "80"};
  if (const auto colon = split.host.find(':'); colon != std::string::npos) {
    split.port = split.host.substr(colon + 1);
    split.host.erase(colon);
  }
  return split;
}

}  // namespace http
