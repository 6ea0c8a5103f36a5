#pragma once
// Times of day of today's broadcasts, measured by the management server's clock.

#include <boost/date_time/posix_time/posix_time_types.hpp>
#include <functional>
#include <string>

namespace sys {

class ServerClock {
 public:
  // `serverTime` answers "YYYY-MM-DD hh:mm:ss", or empty text when the server cannot be asked.
  explicit ServerClock(std::function<std::string()> serverTime) : m_serverTime(std::move(serverTime)) {}

  // Today at the time of day "hh:mm:ss": today by the server when it answers,
  // else by the local clock. Raises the date library's error for a server time
  // that does not parse.
  boost::posix_time::ptime TimeTodayAt(const std::string& timeOfDay) const;

  // Seconds from the server's present time to that time today, negative when it
  // has passed. Raises when the server gives no time.
  int SecondsUntilTime(const std::string& timeOfDay) const;

 private:
  std::function<std::string()> m_serverTime;
};

}  // namespace sys
