#pragma once
// The four management API operations the terminal uses. Each blocks the calling
// thread for one HTTP exchange and never retries; callers decide.

#include <string>
#include <vector>

#include "dal/ApiRecords.h"

namespace dal {

// Where the broadcasting site lives ("http://host:port/"); the application
// object discovers it on first use.
class SiteAddressSource {
 public:
  virtual ~SiteAddressSource() = default;
  virtual std::string GetSiteAddr() = 0;
};

class ManagementApi {
 public:
  explicit ManagementApi(SiteAddressSource& site) : m_site(site) {}

  // Raises Json::Exception for a reply of the wrong shape (callers catch it).
  void GetBuildingFloorRoomSimple(std::vector<BuildingInfo>& buildings);
  // Raises Json::Exception for a reply of the wrong shape (callers catch it).
  void GetWeather(WeatherInfo& weather);
  std::string GetServerTime();
  std::string GetSocketServer();

 private:
  // The reply text, or nothing when the exchange did not end with code 0.
  bool Fetch(const char* path, std::string& reply);

  SiteAddressSource& m_site;
};

// Asks the basic service at "host:port" where subsystem `systemId` lives.
std::string GetSubSystemInfo(const std::string& basicAddr, const std::string& systemId);

}  // namespace dal
