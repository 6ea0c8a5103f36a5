#pragma once
// What the management API hands back.

#include <string>
#include <vector>

namespace dal {

struct RoomInfo {
  int roomId = 0;
  std::string roomName;
};

struct FloorInfo {
  int buildFloor = 0;
  std::vector<RoomInfo> floorRooms;
};

struct BuildingInfo {
  int buildingId = 0;
  std::string buildingName;
  std::string schoolId;
  int floorNumber = 0;
  std::vector<FloorInfo> buildingFloors;
};

struct WeatherInfo {
  std::string Forecast;
  std::string Condition;
  int Temp = 0;
  std::string WindDirection;
  int Humidity = 0;
  std::string Update;
  std::string Time;
};

}  // namespace dal
