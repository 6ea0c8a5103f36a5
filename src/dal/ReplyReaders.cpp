#include "dal/ReplyReaders.h"

#include <glog/logging.h>
#include <json/json.h>
#include <tinyxml2.h>

#include <exception>
#include <memory>
#include <optional>

namespace dal {
namespace {

std::optional<Json::Value> Parse(const std::string& reply, const char* failurePrefix) {
  Json::Value root;
  std::string errors;
  const std::unique_ptr<Json::CharReader> reader(Json::CharReaderBuilder().newCharReader());
  if (!reader->parse(reply.data(), reply.data() + reply.size(), &root, &errors)) {
    LOG(INFO) << failurePrefix << reply;
    return std::nullopt;
  }
  return root;
}

// Strict: the key must hold a string.
std::string ReadString(const Json::Value& object, const char* key) {
  const Json::Value& value = object[key];
  if (!value.isString()) Json::throwLogicError(std::string("Value of \"") + key + "\" is not a string");
  return value.asString();
}

// Missing or null as empty text, numbers and booleans as their text.
std::string ReadLenient(const Json::Value& object, const char* key) { return object[key].asString(); }

int ReadInt(const Json::Value& object, const char* key) { return object[key].asInt(); }

void LogServerError(int error, const std::string& message) {
  LOG(INFO) << "errcode:" << error << ",msg:" << message;
}

}  // namespace

void ReadBuildings(const std::string& reply, std::vector<BuildingInfo>& buildings) {
  buildings.clear();
  const auto root = Parse(reply, "Json解析异常:");
  if (!root) return;
  const int error = ReadInt(*root, "error");
  if (error != 0) LogServerError(error, ReadLenient(*root, "msg"));
  for (const auto& buildingValue : (*root)["data"]) {
    BuildingInfo building;
    building.buildingId = ReadInt(buildingValue, "buildingId");
    building.buildingName = ReadString(buildingValue, "buildingName");
    building.schoolId = ReadString(buildingValue, "schoolId");
    building.floorNumber = ReadInt(buildingValue, "floorNumber");
    for (const auto& floorValue : buildingValue["buildingFloors"]) {
      FloorInfo floor;
      floor.buildFloor = ReadInt(floorValue, "buildFloor");
      for (const auto& roomValue : floorValue["floorRooms"])
        floor.floorRooms.push_back({ReadInt(roomValue, "roomId"), ReadString(roomValue, "roomName")});
      building.buildingFloors.push_back(std::move(floor));
    }
    buildings.push_back(std::move(building));
  }
}

void ReadWeather(const std::string& reply, WeatherInfo& weather) {
  const auto root = Parse(reply, "Json 解析异常:");
  if (!root) return;
  const int error = ReadInt(*root, "error");
  const std::string message = ReadString(*root, "msg");
  if (error != 0) {
    LogServerError(error, message);
    return;
  }
  const Json::Value& data = (*root)["data"];
  if (data.isMember("Forecast") && !data["Forecast"].isNull()) weather.Forecast = ReadString(data, "Forecast");
  weather.Condition = ReadString(data, "Condition");
  weather.Temp = ReadInt(data, "Temp");
  weather.WindDirection = ReadString(data, "WindDirection");
  weather.Humidity = ReadInt(data, "Humidity");
  weather.Update = ReadString(data, "Update");
  weather.Time = ReadString(data, "Time");
}

std::string ReadServerTime(const std::string& reply) {
  const auto root = Parse(reply, "Json 解析异常:");
  if (!root) return std::string();
  std::string answer;
  try {
    const int error = ReadInt(*root, "error");
    ReadString(*root, "msg");
    const std::string data = ReadString(*root, "data");
    if (error == 0) answer = data;
  } catch (const std::exception&) {
    LOG(ERROR) << "解析字符串异常";
    return std::string();
  }
  return answer.size() < 16 ? std::string() : answer;
}

std::string ReadSocketServer(const std::string& reply) {
  const auto root = Parse(reply, "Json 解析异常:");
  if (!root) return std::string();
  try {
    const Json::Value& data = (*root)["data"];
    if (ReadInt(*root, "error") != 0 || data.isNull()) return std::string();
    return ReadString(data, "Ip") + ":" + std::to_string(ReadInt(data, "Port"));
  } catch (const std::exception&) {
    LOG(ERROR) << "解析 socketserver 异常";
    return std::string();
  }
}

std::string ReadSubSystemAddress(const std::string& reply) {
  tinyxml2::XMLDocument document;
  if (document.Parse(reply.data(), reply.size()) != tinyxml2::XML_SUCCESS) return std::string();
  const tinyxml2::XMLElement* element = document.FirstChildElement();
  if (element) element = element->FirstChildElement();
  for (int step = 0; step < 3 && element; ++step) element = element->NextSiblingElement();
  if (!element) return std::string();
  const tinyxml2::XMLNode* first = element->FirstChild();
  return first && first->ToText() ? std::string(first->Value()) : std::string();
}

}  // namespace dal
