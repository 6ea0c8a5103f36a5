#include "tools/Paths.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <climits>

#include "tools/Today.h"

namespace {

TEST(FileExtensionOf, TakesTheTextAfterTheLastDot) {
  const std::pair<std::string, std::string> cases[] = {
      {"a.b.mp4", "mp4"}, {"readme", ""}, {"name.", ""}, {".hidden", "hidden"}, {"", ""},
  };
  for (const auto& [name, extension] : cases) EXPECT_EQ(tools::FileExtensionOf(name), extension) << name;
}

TEST(ModuleDirectory, IsTheFolderOfThisProgramWithATrailingSlash) {
  char exe[PATH_MAX] = {};
  ASSERT_GT(readlink("/proc/self/exe", exe, sizeof(exe) - 1), 0);
  const std::string dir = tools::ModuleDirectory();
  ASSERT_FALSE(dir.empty());
  EXPECT_EQ(dir.back(), '/');
  EXPECT_EQ(std::string(exe).rfind(dir, 0), 0u);
  EXPECT_EQ(std::string(exe).find('/', dir.size()), std::string::npos);
}

TEST(DateAsText, WritesYearMonthDayWithoutSeparators) {
  std::tm day{};
  day.tm_year = 2024 - 1900;
  day.tm_mon = 11;
  day.tm_mday = 9;
  day.tm_hour = 12;
  day.tm_isdst = -1;
  EXPECT_EQ(tools::DateAsText(std::mktime(&day)), "20241209");
  day.tm_mon = 0;
  day.tm_mday = 31;
  EXPECT_EQ(tools::DateAsText(std::mktime(&day)), "20240131");
}

}  // namespace
