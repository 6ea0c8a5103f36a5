#include "system/ServerClock.h"

#include <glog/logging.h>

#include <boost/date_time/posix_time/posix_time.hpp>
#include <vector>

#include "tools/TextCodec.h"
#include "tools/TextEdit.h"
#include "tools/TextToInt.h"

namespace sys {

namespace pt = boost::posix_time;

pt::ptime ServerClock::TimeTodayAt(const std::string& timeOfDay) const {
  std::string serverTime = m_serverTime();
  if (!serverTime.empty()) {
    LOG(INFO) << "根据服务器时间设置广播";
    serverTime.replace(11, 8, timeOfDay);
    return pt::time_from_string(serverTime);
  }

  LOG(INFO) << "根据本地时间设置广播";
  std::vector<std::wstring> pieces;
  std::wstring wideTime;
  tools::ToWideText(timeOfDay, wideTime);
  tools::SplitText(wideTime, L":", pieces);
  if (pieces.size() != 3) LOG(INFO) << "传入的时间参数有误:" << timeOfDay;
  // Missing pieces count as 0.
  pieces.resize(std::max<size_t>(pieces.size(), 3));
  const pt::ptime midnight(pt::second_clock::local_time().date());
  return midnight + pt::hours(tools::LeadingInt(pieces[0])) + pt::minutes(tools::LeadingInt(pieces[1])) +
         pt::seconds(tools::LeadingInt(pieces[2]));
}

int ServerClock::SecondsUntilTime(const std::string& timeOfDay) const {
  const pt::ptime now = pt::time_from_string(m_serverTime());
  const pt::ptime target = TimeTodayAt(timeOfDay);
  return static_cast<int>((target - now).total_microseconds() / 1000000);
}

}  // namespace sys
