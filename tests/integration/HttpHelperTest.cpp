#include "http/HttpHelper.h"

#include <gtest/gtest.h>

#include <chrono>

#include "ScriptedHttpServer.h"

namespace {

using namespace std::chrono_literals;
using testing_support::ScriptedHttpServer;

std::string Response(const std::string& statusLine, const std::string& body) {
  return "HTTP/1.1 " + statusLine + "\r\nContent-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
}

TEST(HttpHelper, SendsTheWholeUrlAndOnlyHostAndUserAgent) {
  ScriptedHttpServer server(Response("200 OK", "{}"));
  const std::string url = server.Url("/api/manage/getservertime");
  std::string result;
  EXPECT_EQ(http::HttpHelper::Instance().Get(url, result), http::kHttpOk);
  EXPECT_EQ(server.LastRequest(),
            "GET " + url + " HTTP/1.1\r\nHost: 127.0.0.1\r\nUser-Agent: Boost.Beast/144\r\n\r\n");
  EXPECT_EQ(result, "{}");
}

TEST(HttpHelper, HttpsIsPlainTcpToo) {
  ScriptedHttpServer server(Response("200 OK", "ok"));
  const std::string url = "https://127.0.0.1:" + std::to_string(server.Port()) + "/Base/WS";
  std::string result;
  EXPECT_EQ(http::HttpHelper::Instance().Get(url, result), http::kHttpOk);
  EXPECT_EQ(server.LastRequest().rfind("GET " + url + " HTTP/1.1\r\n", 0), 0u);
}

TEST(HttpHelper, RefusesUnknownSchemesWithoutSending) {
  ScriptedHttpServer server(Response("200 OK", "ok"));
  for (const std::string& url : {"ftp://127.0.0.1:" + std::to_string(server.Port()) + "/x",
                                "127.0.0.1:" + std::to_string(server.Port()) + "/x"}) {
    std::string result = "stale";
    EXPECT_EQ(http::HttpHelper::Instance().Get(url, result), http::kHttpBadUrl);
    EXPECT_EQ(result, "http_error_url，url为：" + url);
  }
  EXPECT_EQ(server.Connections(), 0);
}

TEST(HttpHelper, TakesEveryBodyWhateverTheStatus) {
  const struct {
    std::string response;
    int code;
    std::string result;
  } cases[] = {
      {Response("500 Internal Server Error", "server broke"), http::kHttpOk, "server broke"},
      {Response("200 OK", "-1"), http::kHttpMinusOne, "-1"},
      {Response("200 OK", "-1\n"), http::kHttpOk, "-1\n"},
      {Response("404 Not Found", ""), http::kHttpOk, ""},
      {"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n3\r\n天\r\n3\r\n气\r\n0\r\n\r\n", http::kHttpOk,
       "天气"},
      {"HTTP/1.1 200 OK\r\n\r\nto the end of the connection", http::kHttpOk, "to the end of the connection"},
      {Response("200 OK", "{\"msg\":\"坏\xff\"}"), http::kHttpOk, "{\"msg\":\"坏\"}"},
  };
  for (const auto& c : cases) {
    ScriptedHttpServer server(c.response);
    std::string result;
    EXPECT_EQ(http::HttpHelper::Instance().Get(server.Url("/api"), result), c.code) << c.response;
    EXPECT_EQ(result, c.result) << c.response;
  }
}

TEST(HttpHelper, NamesTheStageThatFailed) {
  // A port that was free a moment ago refuses the connection.
  int refusedPort = 0;
  {
    ScriptedHttpServer gone("");
    refusedPort = gone.Port();
  }
  ScriptedHttpServer tooLong("HTTP/1.1 200 OK\r\nContent-Length: 8388609\r\n\r\nxxxx");
  const struct {
    std::string url;
    int code;
    std::string prefix;
  } cases[] = {
      {"http://127.0.0.1:" + std::to_string(refusedPort) + "/x", http::kHttpConnectFailed, "connect: "},
      // A service name unknown to the system fails to resolve without asking any DNS server.
      {"http://127.0.0.1:no-such-service/x", http::kHttpFailed, "resolve: "},
      {tooLong.Url("/big"), http::kHttpFailed, "read: "},
  };
  for (const auto& c : cases) {
    std::string result;
    EXPECT_EQ(http::HttpHelper::Instance().Get(c.url, result), c.code) << c.url;
    EXPECT_EQ(result.rfind(c.prefix, 0), 0u) << result;
    EXPECT_EQ(result.back(), '\n');
  }
}

TEST(HttpHelper, AStalledServerFailsWithinTheTimeLimit) {
  ScriptedHttpServer stalled("", ScriptedHttpServer::Mode::kStall);
  std::string result;
  const auto started = std::chrono::steady_clock::now();
  EXPECT_EQ(http::HttpHelper::Instance().Get(stalled.Url("/api/manage/getservertime"), result, 500ms),
            http::kHttpFailed);
  EXPECT_LT(std::chrono::steady_clock::now() - started, 20s);
  EXPECT_EQ(result.rfind("read: ", 0), 0u) << result;
  EXPECT_NE(result.find("timeout"), std::string::npos) << result;
}

}  // namespace
