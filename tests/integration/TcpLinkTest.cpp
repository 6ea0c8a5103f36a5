#include <gtest/gtest.h>
#include <json/json.h>
#include <sys/socket.h>
#include <netinet/in.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <sstream>
#include <thread>

#include "LogCapture.h"
#include "ReferenceServer.h"
#include "WaitFor.h"
#include "socket/Packet.h"
#include "socket/TcpLink.h"

namespace {

using namespace std::chrono_literals;
using testing_support::LogCapture;
using testing_support::ReferenceServer;
using testing_support::WaitFor;

// What the terminal side received, guarded: packets arrive on network threads.
class Inbox {
 public:
  void Add(const net::Packet& packet) {
    std::lock_guard<std::mutex> guard(m_lock);
    m_packets.push_back(packet);
  }
  std::vector<net::Packet> All() const {
    std::lock_guard<std::mutex> guard(m_lock);
    return m_packets;
  }
  bool WaitForSubType(uint16_t subType) const {
    return WaitFor([&] { return Find(subType) != nullptr; });
  }
  std::unique_ptr<net::Packet> Find(uint16_t subType) const {
    std::lock_guard<std::mutex> guard(m_lock);
    for (const auto& packet : m_packets)
      if (packet.SubType == subType) return std::make_unique<net::Packet>(packet);
    return nullptr;
  }

 private:
  mutable std::mutex m_lock;
  std::vector<net::Packet> m_packets;
};

std::string Header(uint32_t length, uint16_t mainType, uint16_t subType) {
  net::Packet packet;
  packet.BodyLength = length;
  packet.MainType = mainType;
  packet.SubType = subType;
  packet.Encode();
  return packet.data;
}

Json::Value ParseJson(const std::string& text) {
  Json::Value value;
  std::istringstream(text) >> value;
  return value;
}

class TcpLinkTest : public testing::Test {
 protected:
  std::shared_ptr<net::TcpLink> MakeLink(net::TcpLinkOptions options = {}) {
    net::TcpLink::Hooks hooks;
    hooks.processor = [this](const net::Packet& packet) {
      if (packet.SubType == 3999) throw std::runtime_error("processor refused the packet");
      m_inbox.Add(packet);
    };
    hooks.connectFailed = [this] { ++m_connectFailures; };
    hooks.disconnected = [this] { ++m_disconnects; };
    hooks.connected = [this] { ++m_connects; };
    auto link = net::TcpLink::Create(hooks, options);
    link->SetAddress(m_server.TcpAddress());
    return link;
  }

  // Starts the link as the terminal does, off the test's thread, and waits for the server to see it.
  void StartAndWaitForConnection(const std::shared_ptr<net::TcpLink>& link, int connection) {
    std::thread([link] { link->Start(); }).detach();
    ASSERT_TRUE(WaitFor([&] { return m_server.ConnectionCount() >= connection; }));
    ASSERT_TRUE(WaitFor([&] { return m_connects >= connection; }));
  }

  LogCapture m_log;
  ReferenceServer m_server;
  Inbox m_inbox;
  std::atomic<int> m_connectFailures{0};
  std::atomic<int> m_disconnects{0};
  std::atomic<int> m_connects{0};
};

TEST_F(TcpLinkTest, ReceivesEveryKindOfPacketAndSurvivesBadOnes) {
  auto link = MakeLink();
  StartAndWaitForConnection(link, 1);

  // The reference server answers a login from its scenario.
  link->Send(13, 3001, 1, "{\"ID\":7}");
  ASSERT_TRUE(m_inbox.WaitForSubType(3001));
  EXPECT_EQ(ParseJson(m_inbox.Find(3001)->body)["DeviceRt"]["DeviceName"].asString(), "一号教学楼大厅");

  const std::string largest(8192, 'x');
  m_server.Push(1, 13, 3101, largest);
  m_server.PushRaw(1, Header(8193, 13, 3102));  // dropped; its "body" is the next header
  m_server.Push(1, 13, 3103, "{\"after\":\"oversized\"}");
  m_server.Push(1, 13, 3104, "");
  const std::string broken = "{\"N\":\"楼\xff层\"}";
  m_server.PushRaw(1, Header(static_cast<uint32_t>(broken.size()), 13, 3105) + broken);
  m_server.Push(1, 13, 3999, "{}");  // the processor throws
  m_server.Push(1, 13, 3106, "{\"after\":\"throw\"}");
  ASSERT_TRUE(m_inbox.WaitForSubType(3106));

  EXPECT_EQ(m_inbox.Find(3101)->body, largest);
  EXPECT_EQ(m_inbox.Find(3102), nullptr);
  EXPECT_EQ(m_inbox.Find(3103)->body, "{\"after\":\"oversized\"}");
  EXPECT_EQ(m_inbox.Find(3104)->body, "");
  EXPECT_EQ(m_inbox.Find(3105)->body, "{\"N\":\"楼层\"}");
  EXPECT_EQ(m_log.CountAt(google::GLOG_ERROR, "8193"), 1);
  EXPECT_EQ(m_log.CountAt(google::GLOG_ERROR, "TcpClient::handle_read_data异常:processor refused"), 1);
  EXPECT_EQ(m_server.ConnectionCount(), 1);
  EXPECT_EQ(m_disconnects, 0);
}

TEST_F(TcpLinkTest, APacketBeforeTheProcessorIsDroppedAndTheNextIsRead) {
  Inbox inbox;
  auto client = net::TcpClient::Create({});
  client->do_connect(m_server.TcpAddress());
  ASSERT_TRUE(WaitFor([&] { return m_server.ConnectionCount() == 1; }));
  m_server.Push(1, 13, 3201, "{}");
  ASSERT_TRUE(m_log.WaitFor("TcpClient::handle_read_data异常:"));
  client->InstallMessageProcessor([&](const net::Packet& packet) { inbox.Add(packet); });
  m_server.Push(1, 13, 3202, "{}");
  ASSERT_TRUE(inbox.WaitForSubType(3202));
  EXPECT_EQ(inbox.Find(3201), nullptr);
}

TEST_F(TcpLinkTest, AServerThatClosesGetsExactlyOneReplacementAfterThePause) {
  auto link = MakeLink();
  StartAndWaitForConnection(link, 1);
  const std::weak_ptr<net::TcpClient> first = link->Current();

  const auto closedAt = std::chrono::steady_clock::now();
  m_server.Close(1);
  ASSERT_TRUE(WaitFor([&] { return m_server.ConnectionCount() == 2; }));
  EXPECT_GE(std::chrono::steady_clock::now() - closedAt, 900ms);
  ASSERT_TRUE(WaitFor([&] { return m_connects == 2; }));

  link->Send(13, 3001, 1, "{\"ID\":7}");
  ASSERT_TRUE(m_inbox.WaitForSubType(3001));
  EXPECT_EQ(m_server.ConnectionCount(), 2);
  EXPECT_EQ(m_log.Count("async read header error:"), 1);
  EXPECT_EQ(m_disconnects, 1);
  EXPECT_TRUE(first.expired());
}

TEST_F(TcpLinkTest, ABrokenConnectionFailingReadAndWriteLeavesOneClient) {
  auto link = MakeLink();
  StartAndWaitForConnection(link, 1);
  const std::weak_ptr<net::TcpClient> first = link->Current();

  std::atomic<bool> sending{true};
  std::thread sender([&] {
    while (sending) {
      link->Send(13, 3055, 1, std::string(4000, 's'));
      std::this_thread::sleep_for(1ms);  // a steady stream, not an unbounded queue
    }
  });
  ASSERT_TRUE(WaitFor([&] { return m_server.Terminals()[0]["packets"].asInt() > 10; }));
  m_server.Close(1, /*reset=*/true);
  ASSERT_TRUE(WaitFor([&] { return m_connects == 2; }));
  sending = false;
  sender.join();

  link->Send(13, 3001, 1, "{\"ID\":7}");
  ASSERT_TRUE(m_inbox.WaitForSubType(3001));
  EXPECT_EQ(m_server.ConnectionCount(), 2);
  EXPECT_EQ(m_log.Count("连接异常断开，触发重连"), 1);
  EXPECT_TRUE(WaitFor([&] { return first.expired(); }));
}

TEST_F(TcpLinkTest, WithNothingListeningItTriesAgainAfterEveryFailure) {
  // A port that was free a moment ago: connects are refused at once.
  const int probe = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof(address);
  ASSERT_EQ(bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
  ASSERT_EQ(getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length), 0);
  close(probe);
  const std::string target = "127.0.0.1:" + std::to_string(ntohs(address.sin_port));

  auto link = MakeLink();
  link->SetAddress(target);
  const auto startedAt = std::chrono::steady_clock::now();
  std::thread([link] { link->Start(); }).detach();
  ASSERT_TRUE(WaitFor([&] { return m_connectFailures >= 3; }));
  // Each attempt follows the one-second pause of its replacement.
  EXPECT_GE(std::chrono::steady_clock::now() - startedAt, 2900ms);
  EXPECT_GE(m_log.Count("连接远程地址:[" + target + "]失败！错误码："), 3);
  EXPECT_GE(m_log.Count("连接异常断开，触发重连"), 3);
  link->Stop();
}

TEST_F(TcpLinkTest, BadAddressesAreFailedConnectsNotCrashes) {
  const std::pair<std::string, std::string> cases[] = {
      {"127.0.0.1", "[127.0.0.1] ip 格式不正确!"},
      {"127.0.0.1:no-such-service", "连接远程地址[127.0.0.1:no-such-service], socket异常:[未知异常]"},
  };
  for (const auto& [target, line] : cases) {
    auto link = MakeLink();
    link->SetAddress(target);
    std::thread([link] { link->Start(); }).detach();
    // Logged at ERROR, then handled as a failed connect: the link tries again.
    ASSERT_TRUE(m_log.WaitFor(line, 2)) << target;
    EXPECT_EQ(m_log.CountAt(google::GLOG_ERROR, line), m_log.Count(line)) << target;
    link->Stop();
  }
}

TEST_F(TcpLinkTest, ConcurrentSendersProduceOnlyWholePacketsInOrder) {
  auto link = MakeLink();
  StartAndWaitForConnection(link, 1);
  constexpr int kThreads = 8;
  constexpr int kPerThread = 150;
  std::vector<std::thread> senders;
  for (int t = 0; t < kThreads; ++t) {
    senders.emplace_back([&, t] {
      for (int i = 0; i < kPerThread; ++i) {
        Json::Value body;
        body["thread"] = t;
        body["seq"] = i;
        body["pad"] = std::string(static_cast<size_t>((t * 977 + i * 131) % 3000), static_cast<char>('a' + i % 26));
        link->Send(13, 3055, 1, Json::writeString(Json::StreamWriterBuilder(), body));
      }
    });
  }
  for (auto& sender : senders) sender.join();
  ASSERT_TRUE(WaitFor([&] { return m_server.Terminals()[0]["packets"].asInt() == kThreads * kPerThread; }));

  const Json::Value received = m_server.Received(1);
  std::vector<int> nextSeq(kThreads, 0);
  for (const auto& packet : received) {
    ASSERT_EQ(packet["main_type"].asInt(), 13);
    ASSERT_EQ(packet["flag"].asInt(), 1);
    const Json::Value body = ParseJson(packet["body"].asString());
    const int t = body["thread"].asInt();
    ASSERT_EQ(body["seq"].asInt(), nextSeq[t]++) << "thread " << t;
  }
  EXPECT_EQ(nextSeq, std::vector<int>(kThreads, kPerThread));
  EXPECT_TRUE(m_server.Terminals()[0]["errors"].empty());
}

TEST_F(TcpLinkTest, OutgoingBodiesOver8191BytesAreRefused) {
  auto link = MakeLink();
  StartAndWaitForConnection(link, 1);
  link->Send(13, 3055, 1, std::string(8192, 'a'));
  link->Send(13, 3055, 1, std::string(8191, 'b'));
  ASSERT_TRUE(WaitFor([&] { return m_server.Terminals()[0]["packets"].asInt() >= 1; }));
  const Json::Value received = m_server.Received(1);
  ASSERT_EQ(received.size(), 1u);
  EXPECT_EQ(received[0]["body_length"].asInt(), 8191);
  EXPECT_EQ(m_log.CountAt(google::GLOG_ERROR, "SubType:3055"), 1);
}

TEST_F(TcpLinkTest, HeartbeatsAreWellFormedEmptyPackets) {
  net::TcpLinkOptions options;
  options.heartbeatInterval = 200ms;
  auto link = MakeLink(options);
  StartAndWaitForConnection(link, 1);
  ASSERT_TRUE(WaitFor([&] { return m_server.Terminals()[0]["packets"].asInt() >= 2; }));
  for (const auto& heartbeat : m_server.Received(1)) {
    EXPECT_EQ(heartbeat["main_type"].asInt(), 12);
    EXPECT_EQ(heartbeat["sub_type"].asInt(), 2001);
    EXPECT_EQ(heartbeat["body_length"].asInt(), 0);
    EXPECT_EQ(heartbeat["head_word2"].asInt(), 1);
    EXPECT_EQ(heartbeat["flag"].asInt(), 1);
    EXPECT_EQ(heartbeat["head_word4"].asInt(), 0);
    EXPECT_EQ(heartbeat["head_word5"].asInt(), 1);
  }
}

TEST_F(TcpLinkTest, AClientCanBeReleasedFromItsOwnHandler) {
  std::shared_ptr<net::TcpLink> link;
  net::TcpLink::Hooks hooks;
  std::weak_ptr<net::TcpLink> weakLink;
  std::atomic<bool> handled{false};
  hooks.processor = [&](const net::Packet&) {
    if (auto alive = weakLink.lock()) alive->Stop();  // drops the last owner on this very thread
    handled = true;
  };
  hooks.connected = [this] { ++m_connects; };
  link = net::TcpLink::Create(hooks);
  weakLink = link;
  link->SetAddress(m_server.TcpAddress());
  StartAndWaitForConnection(link, 1);
  const std::weak_ptr<net::TcpClient> client = link->Current();

  m_server.Push(1, 13, 3007, "");
  ASSERT_TRUE(WaitFor([&] { return handled.load(); }));
  EXPECT_TRUE(WaitFor([&] { return client.expired(); }));
  EXPECT_TRUE(m_log.WaitFor("IO 已经退出"));
  EXPECT_EQ(link->Current(), nullptr);
}

}  // namespace
