#include "core/GlobalApp.h"

#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "LogCapture.h"
#include "PumpMainThread.h"
#include "ReferenceServer.h"
#include "browser/FakeEngine.h"
#include "form/Dui_ContentFrame.h"
#include "form/Dui_RegisterWnd.h"
#include "form/Dui_TopBar.h"
#include "socket/Packet.h"
#include "ui/Controls.h"
#include "ui/MainLoop.h"

namespace {

namespace fs = std::filesystem;
using testing_support::LogCapture;
using testing_support::PumpUntil;
using testing_support::ReferenceServer;


std::string ReadFile(const fs::path& path) {
  std::ifstream file(path);
  std::stringstream content;
  content << file.rdbuf();
  return content.str();
}

net::Packet MakePacket(uint16_t mainType, uint16_t subType, const std::string& body) {
  net::Packet packet;
  net::WrapperPacket(packet, mainType, subType, 1, body);
  return packet;
}

// A terminal of its own: a program folder with its settings, headless windows and fake panes.
class Terminal {
 public:
  explicit Terminal(const std::string& settings) {
    m_folder = fs::temp_directory_path() / ("vireo-app-" + std::to_string(getpid()) + "-" + std::to_string(++s_count));
    fs::create_directories(m_folder);
    if (!settings.empty()) std::ofstream(m_folder / "basic.ini") << settings;
    ui::SetResourceFolder(std::string(VIREO_BIN_DIR) + "/skin/");
    auto engine = std::make_unique<browser::FakeEngine>();
    engine_ = engine.get();
    browser::SetEngine(std::move(engine));
    app = std::make_unique<core::GlobalApp>(m_folder.string() + "/");
  }
  ~Terminal() {
    app->Shutdown();
    app.reset();
    fs::remove_all(m_folder);
  }
  std::string Settings() const { return ReadFile(m_folder / "basic.ini"); }
  // Everything the clock pane was asked to load.
  std::vector<std::string> ClockLoads() const {
    const auto views = engine_->Views();
    return views.empty() ? std::vector<std::string>{} : views.front()->Calls();
  }

  std::unique_ptr<core::GlobalApp> app;

 private:
  static inline int s_count = 0;
  fs::path m_folder;
  browser::FakeEngine* engine_ = nullptr;
};

std::string Registered(const ReferenceServer& server, int clientId, int type = 0) {
  return "[Deploy]\nClientId=" + std::to_string(clientId) + "\nBasicAddr=127.0.0.1:" +
         std::to_string(server.WebPort()) + "\nFullScreen=0\n[Version]\ntype=" + std::to_string(type) + "\n";
}

void FixServerClockLateEvening(const ReferenceServer& server) {
  std::time_t now = std::time(nullptr);
  std::tm evening{};
  localtime_r(&now, &evening);
  evening.tm_hour = 23;
  evening.tm_min = 0;
  evening.tm_sec = 0;
  Json::Value clock;
  clock["fixed"] = static_cast<Json::Int64>(std::mktime(&evening));
  server.Post("/admin/clock", clock);
}

TEST(GlobalAppStart, AnIncompleteRegistrationAsksNobody) {
  for (const char* settings : {"[Deploy]\nClientId=0\nBasicAddr=192.0.2.5:8080\n",
                               "[Deploy]\nClientId=7\nBasicAddr=192.0.2.5\n", ""}) {
    LogCapture log;
    Terminal terminal(settings);
    terminal.app->Init();
    EXPECT_FALSE(terminal.app->Registered()) << settings;
    EXPECT_TRUE(terminal.app->RegisterWnd()->IsShown());
    EXPECT_EQ(log.Count("未注册，启动注册界面"), 1);
    EXPECT_EQ(log.Count("广播站点地址"), 0) << "no discovery request may be made";
  }
}

TEST(GlobalAppStart, ARegisteredTerminalLogsInAndShowsTheClock) {
  ReferenceServer server;
  FixServerClockLateEvening(server);  // today's jobs are over: the clock page shows
  LogCapture log;
  Terminal terminal(Registered(server, 7));
  terminal.app->Init();
  EXPECT_TRUE(terminal.app->Registered());
  const std::string site = "http://127.0.0.1:" + std::to_string(server.WebPort()) + "/";
  const std::string clock = "load " + site + "/editor/clock.html";
  ASSERT_TRUE(PumpUntil([&] {
    const auto loads = terminal.ClockLoads();
    return std::find(loads.begin(), loads.end(), clock) != loads.end();
  }));
  auto* frame = terminal.app->ContentFrame();
  EXPECT_TRUE(frame->IsShown());
  EXPECT_EQ(frame->SelectedPage(), form::kPageClock);
  EXPECT_EQ(frame->FindControl("contentframe_1080_tlayout_12")->Attribute("inset"), "0,0,0,72");
  EXPECT_TRUE(terminal.app->TopBar()->IsShown());
  EXPECT_FALSE(terminal.app->RegisterWnd()->IsShown());
  ASSERT_TRUE(PumpUntil([&] {
    return terminal.app->TopBar()->FindControl("contentframe_1080_lbl_client_name")->Text() == "一号教学楼大厅";
  }));
  EXPECT_EQ(terminal.app->TopBar()->FindControl("contentframe_1080_lbl_weather_text")->Text(), "多云 -3℃");
  EXPECT_EQ(server.Received(1)[0]["body"].asString(), "{\"ID\":7}");
  EXPECT_EQ(log.Count("已经注册"), 1);
}

TEST(GlobalAppStart, DiscoveryFailureShowsTheRegistrationWindow) {
  LogCapture log;
  Terminal terminal("[Deploy]\nClientId=7\nBasicAddr=127.0.0.1:1\n");
  terminal.app->Init();
  EXPECT_FALSE(terminal.app->Registered());
  EXPECT_TRUE(terminal.app->RegisterWnd()->IsShown());
  EXPECT_EQ(log.Count("无法查询到 SubSystem WS地址"), 1);
}

TEST(GlobalAppStart, AnEmptySocketServerAnswerComposesTheDefaultPort) {
  ReferenceServer server;
  Json::Value script;
  script["path"] = "/api/manage/socketServer";
  script["body"] = "{\"error\":0,\"msg\":\"\",\"data\":null}";
  server.Post("/admin/http", script);
  LogCapture log;
  Terminal terminal("[Deploy]\nClientId=0\n");
  EXPECT_TRUE(terminal.app->ConnectServer("127.0.0.1", std::to_string(server.WebPort())));
  int queries = 0;
  for (const auto& request : server.Get("/admin/http/requests"))
    queries += request["path"].asString() == "/api/manage/socketServer";
  EXPECT_EQ(queries, 11);
  EXPECT_EQ(terminal.app->TcpAddress(), "127.0.0.1:13333");
  EXPECT_EQ(log.Count("拼接地址：127.0.0.1:13333"), 1);
  EXPECT_NE(terminal.Settings().find("ClientId=0"), std::string::npos);
}

TEST(GlobalAppDispatch, AcceptsWhatTheTerminalTypeAllows) {
  for (const int type : {0, 22}) {
    LogCapture log;
    ReferenceServer server;
    Terminal terminal("[Version]\ntype=" + std::to_string(type) + "\n");
    terminal.app->Init();
    auto* app = terminal.app.get();
    const char broadcast[] = R"({"ID":4,"Name":"升旗","PLevel":3,"FileID":"f1","FileName":"国歌.mp3",
        "WebPath":"Upload/anthem.mp3","Volume":60,"SessionId":"s1"})";
    app->TcpMessageProcessor(MakePacket(13, 3012, broadcast));
    EXPECT_EQ(app->ContentFrame()->m_nPlayState == form::kPlayAudio, type == 22) << type;
    app->TcpMessageProcessor(MakePacket(13, 3020, R"({"SettingValue":5})"));
    EXPECT_EQ(app->StateCopy().TextSpeed, type == 22 ? 5 : 0);
    app->TcpMessageProcessor(MakePacket(13, 3053, R"({"TodayJob":[],"LiveJob":{"LivePath":"rtmp://l","State":1,"Id":"L"}})"));
    EXPECT_TRUE(app->ContentFrame()->m_bLive) << type;
    for (const auto& [mainType, subType] : {std::pair{11, 1002}, {12, 2001}, {14, 1}})
      app->TcpMessageProcessor(MakePacket(static_cast<uint16_t>(mainType), static_cast<uint16_t>(subType), "{}"));
    EXPECT_EQ(log.Count("Into TcpMessageProcessor"), 6);
    EXPECT_EQ(log.Count("接收服务器SubType1002接收服务器Msg:{}"), 1);
  }
}

class GlobalAppSession : public testing::Test {
 protected:
  void SetUp() override {
    FixServerClockLateEvening(m_server);
    m_terminal = std::make_unique<Terminal>(Registered(m_server, 7));
    m_terminal->app->Init();
    ASSERT_TRUE(PumpUntil([&] { return m_terminal->app->ContentFrame()->IsShown(); }));
  }
  void TearDown() override { m_terminal.reset(); }

  // Pushes a message and waits until the terminal has dealt with it: messages are
  // handled one after another, so a message ignored after it marks its end.
  void Push(int mainType, int subType, const std::string& body) {
    const int before = m_log.Count("接收服务器SubType3022");
    m_server.Push(1, mainType, subType, body);
    m_server.Push(1, 13, 3022, "{}");
    ASSERT_TRUE(PumpUntil([&] { return m_log.Count("接收服务器SubType3022") > before; }));
  }
  std::vector<std::string> SentBodies(int subType) {
    std::vector<std::string> bodies;
    for (const auto& packet : m_server.Received(1))
      if (packet["sub_type"].asInt() == subType) bodies.push_back(packet["body"].asString());
    return bodies;
  }

  LogCapture m_log;
  ReferenceServer m_server;
  std::unique_ptr<Terminal> m_terminal;
};

TEST_F(GlobalAppSession, RegistrationRepliesStoreOrExplain) {
  Push(11, 1001, R"({"ID":-2})");
  EXPECT_EQ(m_log.Count("设备名称重复，请重新命名"), 1);
  Push(11, 1001, R"({"ID":0})");
  EXPECT_NE(m_terminal->Settings().find("ClientId=7"), std::string::npos);
  Push(11, 1001, R"({"ID":12})");
  EXPECT_NE(m_terminal->Settings().find("ClientId=12"), std::string::npos);
  ASSERT_TRUE(PumpUntil([&] { return SentBodies(3001).size() == 2; }));
  EXPECT_EQ(SentBodies(3001).back(), "{\"ID\":12}");
}

TEST_F(GlobalAppSession, AnUpdateForAnotherDeviceChangesNothing) {
  auto* name = m_terminal->app->TopBar()->FindControl("contentframe_1080_lbl_client_name");
  ASSERT_TRUE(PumpUntil([&] { return name->Text() == "一号教学楼大厅"; }));
  Push(13, 3006, R"({"Id":8,"DeviceName":"别的终端","Position":"","BuildingName":""})");
  EXPECT_EQ(m_log.Count("终端ID不一致，不更新终端信息"), 1);
  EXPECT_EQ(name->Text(), "一号教学楼大厅");
  Push(13, 3006, R"({"Id":7,"DeviceName":"二楼走廊","Position":"","BuildingName":""})");
  EXPECT_TRUE(PumpUntil([&] { return name->Text() == "二楼走廊"; }));
}

TEST_F(GlobalAppSession, TheAlarmSoundsUntilTheServerEndsIt) {
  auto* frame = m_terminal->app->ContentFrame();
  Push(13, 3009, "");
  EXPECT_TRUE(frame->m_bAlarm);
  ASSERT_TRUE(PumpUntil([&] { return frame->SelectedPage() == form::kPageAlarm; }));
  Push(13, 3010, "");
  ASSERT_TRUE(PumpUntil([&] { return m_log.Count("结束警报") == 1; }));
  EXPECT_TRUE(PumpUntil([&] { return frame->SelectedPage() == form::kPageClock; }));
}

TEST_F(GlobalAppSession, AnUnknownDeviceWipesTheRegistrationAndEnds) {
  Push(13, 3001, R"({"DeviceRt":{"Id":-5},"Time":"","TodayJob":[],"LiveJob":null})");
  EXPECT_EQ(m_log.Count("设备不存在"), 1);
  EXPECT_GE(m_log.Count("程序退出"), 1);
  const std::string settings = m_terminal->Settings();
  EXPECT_NE(settings.find("ClientId=0\n"), std::string::npos) << settings;
  EXPECT_NE(settings.find("BasicAddr=\n"), std::string::npos) << settings;
  EXPECT_EQ(ui::RunMainLoop(), 0);  // the quit already asked ends the loop at once
}

TEST_F(GlobalAppSession, TheServerRemovingTheDeviceEndsWithoutABox) {
  Push(13, 3007, "");
  EXPECT_EQ(m_log.Count("提示:"), 0);
  EXPECT_NE(m_terminal->Settings().find("ClientId=0\n"), std::string::npos);
  EXPECT_EQ(ui::RunMainLoop(), 0);
}

}  // namespace
