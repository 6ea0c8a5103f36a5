#include <gtest/gtest.h>

#include "form/PageAddresses.h"
#include "form/TopBarTexts.h"

namespace {

const std::string kSite = "http://192.0.2.9:8088/";

TEST(PageAddresses, ComposeEveryPageAsThePagesReadThem) {
  const std::vector<core::PlayItem> items = {{"a.jpg", "abc", "1", "jpg", 1}, {"b.mp4", "ab", "2", "mp4", 2}};
  EXPECT_EQ(form::ContentAddress(kSite, items, {}, 5, 3, false),
            kSite + "WebResource/content.html?base=" + kSite + "&bgsound=&files=a.jpg|b.mp4&names=YWJj|YWI=&switch=5&text=3&vol=1");
  EXPECT_EQ(form::ContentAddress(kSite, {}, {"m1.mp3", "m2.mp3"}, 5, 3, true),
            kSite + "WebResource/content.html?base=" + kSite + "&bgsound=m1.mp3|m2.mp3&files=&names=&switch=5&text=3&vol=0");
  EXPECT_EQ(form::VideoPlayerAddress(kSite, "rtmp://192.0.2.9/live", false),
            kSite + "WebResource/video_player.html?source=rtmp://192.0.2.9/live&type=rtmp/mp4&vol=1");
  EXPECT_EQ(form::AudioPlayerAddress(kSite, "Upload/a.mp3", "国歌", true),
            kSite + "WebResource/audio_player.html?audio=" + kSite + "Upload/a.mp3&name=5Zu95q2M&auto=1&vol=0");
  EXPECT_EQ(form::ClockAddress(kSite), "http://192.0.2.9:8088//editor/clock.html");
}

TEST(TopBarTexts, ClockAndDateByTheServersTime) {
  const struct {
    std::string serverTime, time, day;
  } cases[] = {
      {"2024-03-05 08:07:09", "8:07", "2024-3-5 星期二"},
      {"2024-12-31 14:30:00", "14:30", "2024-12-31 星期二"},
      {"2024-03-10 00:00:00", "0:00", "2024-3-10 星期日"},
  };
  for (const auto& c : cases) {
    const auto texts = form::ClockTextsFor(c.serverTime);
    ASSERT_TRUE(texts) << c.serverTime;
    EXPECT_EQ(texts->time, c.time);
    EXPECT_EQ(texts->day, c.day);
  }
  EXPECT_FALSE(form::ClockTextsFor("not a time"));
}

TEST(TopBarTexts, WeatherIconRulesInTheirOrder) {
  const std::pair<std::string, std::string> cases[] = {
      {"雷阵雨转多云", "1080/天气/晴转多云.png"},
      {"雷阵雨", "1080/天气/雷阵雨.png"},
      {"雨夹雪", "1080/天气/雪.png"},
      {"小雨", "1080/天气/雨.png"},
      {"晴", "1080/天气/晴.png"},
      {"", "1080/天气/晴.png"},
  };
  for (const auto& [condition, icon] : cases) EXPECT_EQ(form::WeatherIconFor(condition), icon) << condition;
  dal::WeatherInfo weather;
  weather.Condition = "多云";
  weather.Temp = -3;
  EXPECT_EQ(form::WeatherText(weather), "多云 -3℃");
  EXPECT_EQ(form::WeatherText(dal::WeatherInfo{}), " 0℃");
}

}  // namespace
