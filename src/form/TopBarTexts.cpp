#include "form/TopBarTexts.h"

#include <boost/date_time/posix_time/posix_time.hpp>
#include <exception>

#include "tools/Format.h"

namespace form {

std::optional<ClockTexts> ClockTextsFor(const std::string& serverTime) {
  static const char* const kWeekdays[] = {"星期日", "星期一", "星期二", "星期三", "星期四", "星期五", "星期六"};
  try {
    const auto moment = boost::posix_time::time_from_string(serverTime);
    const auto date = moment.date();
    const auto time = moment.time_of_day();
    ClockTexts texts;
    texts.time = tools::FormatText("%d:%02d", static_cast<int>(time.hours()), static_cast<int>(time.minutes()));
    texts.day = tools::FormatText("%d-%d-%d %s", static_cast<int>(date.year()), static_cast<int>(date.month()),
                                  static_cast<int>(date.day()), kWeekdays[date.day_of_week().as_number()]);
    return texts;
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

std::string WeatherIconFor(const std::string& condition) {
  static const std::pair<const char*, const char*> kRules[] = {
      {"多云", "1080/天气/晴转多云.png"},
      {"雷阵雨", "1080/天气/雷阵雨.png"},
      {"雪", "1080/天气/雪.png"},
      {"雨", "1080/天气/雨.png"},
  };
  for (const auto& [word, icon] : kRules)
    if (condition.find(word) != std::string::npos) return icon;
  return "1080/天气/晴.png";
}

std::string WeatherText(const dal::WeatherInfo& weather) {
  return weather.Condition + " " + std::to_string(weather.Temp) + "℃";
}

}  // namespace form
