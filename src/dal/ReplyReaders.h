#pragma once
// Readers of the management API's JSON replies and the discovery service's XML
// reply, apart from the transport so that they can be tested and fuzzed alone.
// Text arrives, and is handed on, as local text.

#include <string>
#include <vector>

#include "dal/ApiRecords.h"

namespace dal {

// Fills `buildings` (emptied first). A reply of the wrong shape raises
// Json::Exception, leaving the buildings read before the fault.
void ReadBuildings(const std::string& reply, std::vector<BuildingInfo>& buildings);
// Fills `weather` on success, leaves it unchanged on a server error. A reply of
// the wrong shape raises Json::Exception, leaving the fields read before the fault.
void ReadWeather(const std::string& reply, WeatherInfo& weather);
// "YYYY-MM-DD hh:mm:ss", or empty text.
std::string ReadServerTime(const std::string& reply);
// "IP:port", or empty text.
std::string ReadSocketServer(const std::string& reply);
// The text of the root's fourth child element, or empty text.
std::string ReadSubSystemAddress(const std::string& reply);

}  // namespace dal
