#include "tools/Today.h"

#include "tools/Format.h"

namespace tools {

std::string DateAsText(std::time_t when) {
  std::tm local{};
  localtime_r(&when, &local);
  return FormatText("%d%02d%02d", local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

std::string TodayAsText() { return DateAsText(std::time(nullptr)); }

}  // namespace tools
