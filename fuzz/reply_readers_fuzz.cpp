// Any reply text through every reader of the web services' replies.

#include <glog/logging.h>
#include <json/json.h>

#include <cstdint>
#include <string>

#include "dal/ReplyReaders.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  FLAGS_minloglevel = google::GLOG_FATAL;  // the readers log every unreadable reply
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string reply(reinterpret_cast<const char*>(data), size);
  std::vector<dal::BuildingInfo> buildings;
  dal::WeatherInfo weather;
  // These two let a reply of the wrong shape reach their callers, as documented.
  try {
    dal::ReadBuildings(reply, buildings);
  } catch (const Json::Exception&) {
  }
  try {
    dal::ReadWeather(reply, weather);
  } catch (const Json::Exception&) {
  }
  dal::ReadServerTime(reply);
  dal::ReadSocketServer(reply);
  dal::ReadSubSystemAddress(reply);
  return 0;
}
