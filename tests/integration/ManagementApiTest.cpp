#include "dal/ManagementApi.h"

#include <gtest/gtest.h>

#include <ctime>

#include "LogCapture.h"
#include "ReferenceServer.h"
#include "system/ServerClock.h"

namespace {

using testing_support::LogCapture;
using testing_support::ReferenceServer;

class FixedSite : public dal::SiteAddressSource {
 public:
  explicit FixedSite(std::string address) : m_address(std::move(address)) {}
  std::string GetSiteAddr() override { return m_address; }

 private:
  std::string m_address;
};

class ManagementApiTest : public testing::Test {
 protected:
  std::string BasicAddr() const { return "127.0.0.1:" + std::to_string(m_server.WebPort()); }
  // Holds the server's clock at 2024-03-01 07:30:12 local time.
  void FixServerClock() {
    std::tm moment{};
    moment.tm_year = 2024 - 1900;
    moment.tm_mon = 2;
    moment.tm_mday = 1;
    moment.tm_hour = 7;
    moment.tm_min = 30;
    moment.tm_sec = 12;
    moment.tm_isdst = -1;
    Json::Value clock;
    clock["fixed"] = static_cast<Json::Int64>(std::mktime(&moment));
    m_server.Post("/admin/clock", clock);
  }
  void Script(const std::string& path, const std::string& body) {
    Json::Value script;
    script["path"] = path;
    script["body"] = body;
    m_server.Post("/admin/http", script);
  }

  LogCapture m_log;
  ReferenceServer m_server;
};

TEST_F(ManagementApiTest, DiscoveryFindsTheSiteWithTheExactRequest) {
  EXPECT_EQ(dal::GetSubSystemInfo(BasicAddr(), "M20"), "http://127.0.0.1:" + std::to_string(m_server.WebPort()) + "/");
  const Json::Value requests = m_server.Get("/admin/http/requests");
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0]["target"].asString(), "http://" + BasicAddr() +
                                                  "/Base/WS/Service_Basic.asmx/WS_G_GetSubSystemServerInfo"
                                                  "?sysID=M20&subjectID=");
  EXPECT_EQ(dal::GetSubSystemInfo(BasicAddr(), "M99"), "");
  EXPECT_EQ(dal::GetSubSystemInfo("", "M20"), "");
  EXPECT_EQ(m_server.Get("/admin/http/requests").size(), 2u);
}

TEST_F(ManagementApiTest, DiscoveryFailuresGiveEmptyText) {
  Script("/Base/WS/Service_Basic.asmx/WS_G_GetSubSystemServerInfo", "<html>not xml");
  EXPECT_EQ(dal::GetSubSystemInfo(BasicAddr(), "M20"), "");
  EXPECT_EQ(m_log.Count("[GetSubSystemInfo]出错"), 0);

  EXPECT_EQ(dal::GetSubSystemInfo("127.0.0.1:1", "M20"), "");
  EXPECT_EQ(m_log.Count("[GetSubSystemInfo]出错，错误信息为：connect: "), 1);
}

TEST_F(ManagementApiTest, TheFourOperationsReadTheServersAnswers) {
  FixedSite site(dal::GetSubSystemInfo(BasicAddr(), "M20"));
  dal::ManagementApi api(site);

  EXPECT_EQ(api.GetSocketServer(), m_server.TcpAddress());

  FixServerClock();
  EXPECT_EQ(api.GetServerTime(), "2024-03-01 07:30:12");

  dal::WeatherInfo weather;
  api.GetWeather(weather);
  EXPECT_EQ(weather.Condition, "多云");
  EXPECT_EQ(weather.Temp, -3);

  std::vector<dal::BuildingInfo> buildings;
  api.GetBuildingFloorRoomSimple(buildings);
  ASSERT_EQ(buildings.size(), 2u);
  EXPECT_EQ(buildings[0].buildingFloors[0].floorRooms[0].roomName, "大厅");
}

TEST_F(ManagementApiTest, BroadcastTimesFollowTheServersClock) {
  FixedSite site(dal::GetSubSystemInfo(BasicAddr(), "M20"));
  dal::ManagementApi api(site);
  const sys::ServerClock clock([&api] { return api.GetServerTime(); });
  FixServerClock();
  EXPECT_EQ(clock.SecondsUntilTime("08:00:00"), 1788);
  EXPECT_EQ(clock.SecondsUntilTime("07:00:00"), -1812);

  Script("/api/manage/getservertime", "{\"error\":0,\"msg\":\"\",\"data\":\"\"}");
  EXPECT_ANY_THROW(clock.SecondsUntilTime("08:00:00"));
  EXPECT_EQ(m_log.Count("根据本地时间设置广播"), 0);
}

TEST_F(ManagementApiTest, FailedExchangesEndQuietly) {
  FixedSite site(dal::GetSubSystemInfo(BasicAddr(), "M20"));
  dal::ManagementApi api(site);
  Script("/api/manage/getservertime", "-1");
  Script("/api/manage/socketServer", "{\"error\":0,\"msg\":\"\",\"data\":null}");
  EXPECT_EQ(api.GetServerTime(), "");
  EXPECT_EQ(api.GetSocketServer(), "");
  EXPECT_EQ(m_log.Count("解析"), 0);

  FixedSite noSite("");
  dal::ManagementApi unconfigured(noSite);
  std::vector<dal::BuildingInfo> buildings = {dal::BuildingInfo{}};
  unconfigured.GetBuildingFloorRoomSimple(buildings);
  EXPECT_TRUE(buildings.empty());
  EXPECT_EQ(unconfigured.GetServerTime(), "");
}

}  // namespace
