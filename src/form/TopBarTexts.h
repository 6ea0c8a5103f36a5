#pragma once
// What the information bar writes, from the server's answers.

#include <optional>
#include <string>

#include "dal/ApiRecords.h"

namespace form {

struct ClockTexts {
  std::string time;  // "8:07"
  std::string day;   // "2024-3-5 星期二"
};

// From "YYYY-MM-DD hh:mm:ss"; nothing when the text is not a date and time.
std::optional<ClockTexts> ClockTextsFor(const std::string& serverTime);

// The icon for a weather condition; the first rule that holds wins.
std::string WeatherIconFor(const std::string& condition);
// "多云 -3℃".
std::string WeatherText(const dal::WeatherInfo& weather);

}  // namespace form
