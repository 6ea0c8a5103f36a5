#include "dal/ManagementApi.h"

#include <glog/logging.h>

#include "dal/ReplyReaders.h"
#include "http/HttpHelper.h"

namespace dal {

bool ManagementApi::Fetch(const char* path, std::string& reply) {
  return http::HttpHelper::Instance().Get(m_site.GetSiteAddr() + path, reply) == http::kHttpOk;
}

void ManagementApi::GetBuildingFloorRoomSimple(std::vector<BuildingInfo>& buildings) {
  buildings.clear();
  std::string reply;
  if (Fetch("api/manage/v2/buildingFloorRoomSimple", reply)) ReadBuildings(reply, buildings);
}

void ManagementApi::GetWeather(WeatherInfo& weather) {
  std::string reply;
  if (Fetch("api/manage/GetWeather", reply)) ReadWeather(reply, weather);
}

std::string ManagementApi::GetServerTime() {
  const std::string site = m_site.GetSiteAddr();
  if (site.empty()) return std::string();
  std::string reply;
  if (http::HttpHelper::Instance().Get(site + "api/manage/getservertime", reply) != http::kHttpOk)
    return std::string();
  return ReadServerTime(reply);
}

std::string ManagementApi::GetSocketServer() {
  std::string reply;
  return Fetch("api/manage/socketServer", reply) ? ReadSocketServer(reply) : std::string();
}

std::string GetSubSystemInfo(const std::string& basicAddr, const std::string& systemId) {
  if (basicAddr.empty()) return std::string();
  const std::string url = "http://" + basicAddr + "/Base/WS/Service_Basic.asmx" +
                          "/WS_G_GetSubSystemServerInfo" + "?sysID=" + systemId + "&subjectID=";
  std::string reply;
  if (http::HttpHelper::Instance().Get(url, reply) != http::kHttpOk) {
    LOG(INFO) << "[GetSubSystemInfo]出错，错误信息为：" << reply;
    return std::string();
  }
  return ReadSubSystemAddress(reply);
}

}  // namespace dal
