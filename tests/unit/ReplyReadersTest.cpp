#include "dal/ReplyReaders.h"

#include <gtest/gtest.h>
#include <json/json.h>

#include "LogCapture.h"

namespace {

using testing_support::LogCapture;

TEST(ReadBuildings, ReadsTheTreeInOrderAndLogsServerErrors) {
  LogCapture log;
  std::vector<dal::BuildingInfo> buildings = {dal::BuildingInfo{}};
  dal::ReadBuildings(
      R"({"error":5,"msg":"x","data":[
           {"buildingId":3,"buildingName":"一号楼","schoolId":"S1","floorNumber":2,"buildingFloors":[
             {"buildFloor":1,"floorRooms":[{"roomId":15,"roomName":"大厅"},{"roomId":16,"roomName":"101"}]},
             {"buildFloor":2}]},
           {"buildingId":4,"buildingName":"体育馆","schoolId":"S1","floorNumber":1,"buildingFloors":[]}]})",
      buildings);
  ASSERT_EQ(buildings.size(), 2u);
  EXPECT_EQ(buildings[0].buildingName, "一号楼");
  ASSERT_EQ(buildings[0].buildingFloors.size(), 2u);
  EXPECT_EQ(buildings[0].buildingFloors[0].floorRooms[1].roomName, "101");
  EXPECT_TRUE(buildings[0].buildingFloors[1].floorRooms.empty());
  EXPECT_TRUE(buildings[1].buildingFloors.empty());
  EXPECT_EQ(log.Count("errcode:5,msg:x"), 1);
}

TEST(ReadBuildings, EmptyAndBrokenReplies) {
  LogCapture log;
  std::vector<dal::BuildingInfo> buildings = {dal::BuildingInfo{}};
  dal::ReadBuildings(R"({"error":0,"msg":""})", buildings);
  EXPECT_TRUE(buildings.empty());
  dal::ReadBuildings("<html>", buildings);
  EXPECT_EQ(log.Count("Json解析异常:<html>"), 1);
  // A wrong type reaches the caller, with the buildings before the fault kept.
  EXPECT_THROW(dal::ReadBuildings(R"({"error":0,"data":[
                   {"buildingId":1,"buildingName":"a","schoolId":"s","floorNumber":1},
                   {"buildingId":"2","buildingName":"b","schoolId":"s","floorNumber":1}]})",
                                  buildings),
               Json::Exception);
  ASSERT_EQ(buildings.size(), 1u);
  EXPECT_EQ(buildings[0].buildingName, "a");
  EXPECT_THROW(dal::ReadBuildings("[1,2]", buildings), Json::Exception);
}

TEST(ReadWeather, FillsTheRecordOnlyOnSuccess) {
  LogCapture log;
  dal::WeatherInfo weather;
  dal::ReadWeather(R"({"error":0,"msg":"","data":{"Condition":"多云","Temp":-3,"WindDirection":"北风",
                     "Humidity":45,"Update":"07:30","Time":"2024-03-05"}})",
                   weather);
  EXPECT_EQ(weather.Forecast, "");
  EXPECT_EQ(weather.Condition, "多云");
  EXPECT_EQ(weather.Temp, -3);
  EXPECT_EQ(weather.Humidity, 45);
  EXPECT_EQ(weather.Time, "2024-03-05");

  dal::ReadWeather(R"({"error":3,"msg":"no station","data":{"Condition":"晴"}})", weather);
  EXPECT_EQ(weather.Condition, "多云");
  EXPECT_EQ(log.Count("errcode:3,msg:no station"), 1);

  dal::ReadWeather(R"({"error":0,"msg":"","data":{"Forecast":"转晴","Condition":"晴","Temp":1.9,
                     "WindDirection":"","Humidity":true,"Update":"","Time":""}})",
                   weather);
  EXPECT_EQ(weather.Forecast, "转晴");
  EXPECT_EQ(weather.Condition, "晴");
  EXPECT_EQ(weather.Temp, 1);
  EXPECT_EQ(weather.Humidity, 1);
}

TEST(ReadWeather, WrongTypesReachTheCaller) {
  dal::WeatherInfo weather;
  EXPECT_THROW(dal::ReadWeather(R"({"error":0,"msg":"","data":{"Condition":"晴","Temp":"hot"}})", weather),
               Json::Exception);
  EXPECT_EQ(weather.Condition, "晴");
  EXPECT_THROW(dal::ReadWeather(R"({"error":0,"data":{}})", weather), Json::Exception);
}

TEST(ReadServerTime, KeepsOnlyAFullTime) {
  LogCapture log;
  const std::pair<std::string, std::string> cases[] = {
      {R"({"error":0,"msg":"","data":"2024-03-01 07:30:12"})", "2024-03-01 07:30:12"},
      {R"({"error":0,"msg":"","data":"2024-03-01 07:3"})", ""},
      {R"({"error":0,"msg":"","data":"2024-03-01 07:30"})", "2024-03-01 07:30"},
      {R"({"error":2,"msg":"busy","data":"2024-03-01 07:30:12"})", ""},
      {R"({"error":1,"msg":"","data":null})", ""},
      {"not json", ""},
  };
  for (const auto& [reply, answer] : cases) EXPECT_EQ(dal::ReadServerTime(reply), answer) << reply;
  EXPECT_EQ(log.CountAt(google::GLOG_ERROR, "解析字符串异常"), 1);
  EXPECT_EQ(log.Count("Json 解析异常:not json"), 1);
}

TEST(ReadSocketServer, JoinsIpAndPort) {
  LogCapture log;
  const std::pair<std::string, std::string> cases[] = {
      {R"({"error":0,"msg":"","data":{"Ip":"192.0.2.10","Port":13333}})", "192.0.2.10:13333"},
      {R"({"error":0,"msg":"","data":{"Ip":"192.0.2.10","Port":-1}})", "192.0.2.10:-1"},
      {R"({"error":0,"msg":"","data":null})", ""},
      {R"({"error":0,"msg":""})", ""},
      {R"({"error":4,"msg":"","data":{"Ip":"192.0.2.10","Port":13333}})", ""},
  };
  for (const auto& [reply, answer] : cases) EXPECT_EQ(dal::ReadSocketServer(reply), answer) << reply;
  EXPECT_EQ(log.CountAt(google::GLOG_ERROR, "解析 socketserver 异常"), 0);
  EXPECT_EQ(dal::ReadSocketServer(R"({"error":0,"data":{"Ip":5,"Port":13333}})"), "");
  EXPECT_EQ(log.CountAt(google::GLOG_ERROR, "解析 socketserver 异常"), 1);
}

TEST(ReadSubSystemAddress, TakesTheTextOfTheFourthChildElement) {
  const std::pair<std::string, std::string> cases[] = {
      {"<r><a>a</a><b>b</b><c>c</c><d>d</d><e>e</e></r>", "d"},
      {"<?xml version=\"1.0\"?><!-- site --><r xmlns=\"http://tempuri.org/\">\n <a/>\n <!-- x --> <b/><c/>"
       "<d>http://192.0.2.9:8088/</d></r>",
       "http://192.0.2.9:8088/"},
      {"<r><a/><b/><c/></r>", ""},
      {"<r><a/><b/><c/><d></d></r>", ""},
      {"<r><a/><b/><c/><d><x>nested</x>after</d></r>", ""},
      {"<r><a/><b/><c/><d>&amp;&lt;</d></r>", "&<"},
      {"<r><a/><b/><c/><d> spaced </d></r>", " spaced "},
      {"{\"not\":\"xml\"}", ""},
      {"", ""},
  };
  for (const auto& [reply, answer] : cases) EXPECT_EQ(dal::ReadSubSystemAddress(reply), answer) << reply;
}

}  // namespace
