#pragma once

#include <ctime>
#include <string>

namespace tools {

// A local date as "%d%02d%02d": "20261211".
std::string DateAsText(std::time_t when);
std::string TodayAsText();

}  // namespace tools
