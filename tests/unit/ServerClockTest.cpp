#include "system/ServerClock.h"

#include <gtest/gtest.h>

#include <boost/date_time/posix_time/posix_time.hpp>

#include "LogCapture.h"

namespace {

namespace pt = boost::posix_time;
using testing_support::LogCapture;

sys::ServerClock ClockAnswering(const std::string& answer) {
  return sys::ServerClock([answer] { return answer; });
}

TEST(ServerClock, MeasuresAgainstTheServersTime) {
  LogCapture log;
  const auto clock = ClockAnswering("2024-03-01 07:30:12");
  EXPECT_EQ(clock.TimeTodayAt("08:00:00"), pt::time_from_string("2024-03-01 08:00:00"));
  EXPECT_EQ(clock.SecondsUntilTime("08:00:00"), 1788);
  EXPECT_EQ(clock.SecondsUntilTime("07:00:00"), -1812);
  EXPECT_GE(log.Count("根据服务器时间设置广播"), 3);
}

TEST(ServerClock, WithoutTheServerUsesTodayByTheLocalClock) {
  LogCapture log;
  const auto clock = ClockAnswering("");
  const pt::ptime midnight(pt::second_clock::local_time().date());
  const struct {
    std::string timeOfDay;
    pt::time_duration after;
    bool wellFormed;
  } cases[] = {
      {"08:00:00", pt::hours(8), true},
      {"8:0:0", pt::hours(8), true},
      {"25:00:00", pt::hours(25), true},
      {"07:30", pt::hours(7) + pt::minutes(30), false},
      {"", pt::seconds(0), false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(clock.TimeTodayAt(c.timeOfDay), midnight + c.after) << c.timeOfDay;
    EXPECT_EQ(log.Count("传入的时间参数有误:" + c.timeOfDay) > 0, !c.wellFormed) << c.timeOfDay;
  }
  EXPECT_EQ(log.Count("根据本地时间设置广播"), 5);
  // Without the server's present time there is nothing to measure from.
  EXPECT_THROW(clock.SecondsUntilTime("08:00:00"), std::out_of_range);
}

TEST(ServerClock, AServerTimeThatDoesNotParseRaises) {
  EXPECT_ANY_THROW(ClockAnswering("2024-13-45 07:30:12").TimeTodayAt("08:00:00"));
  EXPECT_ANY_THROW(ClockAnswering("not a time at all").SecondsUntilTime("08:00:00"));
}

}  // namespace
