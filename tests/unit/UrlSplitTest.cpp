#include "http/UrlSplit.h"

#include <gtest/gtest.h>

namespace {

TEST(SplitUrl, FindsHostAndPortOfBothSchemes) {
  const struct {
    std::string url, host, port;
  } cases[] = {
      {"http://192.0.2.10:8080/api/manage/getservertime", "192.0.2.10", "8080"},
      {"http://192.0.2.10/api/manage/getservertime", "192.0.2.10", "80"},
      {"https://192.0.2.10:8443/x", "192.0.2.10", "8443"},
      {"https://192.0.2.10", "192.0.2.10", "80"},
      {"http://host:http/", "host", "http"},
      {"http://192.0.2.10:8080?sysID=M20", "192.0.2.10", "8080?sysID=M20"},
  };
  for (const auto& c : cases) {
    const auto split = http::SplitUrl(c.url);
    ASSERT_TRUE(split) << c.url;
    EXPECT_EQ(split->host, c.host) << c.url;
    EXPECT_EQ(split->port, c.port) << c.url;
  }
}

TEST(SplitUrl, RefusesOtherSchemes) {
  for (const char* url : {"ftp://192.0.2.10/file", "192.0.2.10:8080/api", "", "HTTP://192.0.2.10/"})
    EXPECT_FALSE(http::SplitUrl(url)) << url;
}

}  // namespace
