#include "system/MciCommands.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "WaitFor.h"

namespace {

using testing_support::WaitFor;

const std::string kAlarm = std::string(VIREO_BIN_DIR) + "/Resource/alarm.mp3";

TEST(SendMciCommand, PlaysAFileToItsEnd) {
  ASSERT_TRUE(std::filesystem::exists(kAlarm));
  EXPECT_EQ(sys::SendMciCommand("open \"" + kAlarm + "\" alias alarm_test"), "");
  EXPECT_EQ(sys::SendMciCommand("status alarm_test mode"), "stopped");
  sys::SendMciCommand("PLAY Alarm_Test FROM 0");
  EXPECT_EQ(sys::SendMciCommand("status alarm_test mode"), "playing");
  // The two-second pattern plays in real time, with or without a sound card.
  EXPECT_TRUE(WaitFor([] { return sys::SendMciCommand("status alarm_test mode") == "stopped"; }));
  // And once more from the start.
  sys::SendMciCommand("play alarm_test from 0");
  EXPECT_EQ(sys::SendMciCommand("status alarm_test mode"), "playing");
  EXPECT_TRUE(WaitFor([] { return sys::SendMciCommand("status alarm_test mode") == "stopped"; }));
  sys::SendMciCommand("close alarm_test");
  EXPECT_EQ(sys::SendMciCommand("status alarm_test mode"), "");
}

TEST(SendMciCommand, AFileThatDoesNotOpenNeverReportsStopped) {
  const auto bad = std::filesystem::temp_directory_path() / ("vireo-not-sound-" + std::to_string(getpid()) + ".mp3");
  std::ofstream(bad) << "this is not a sound";
  for (const std::string& path : {bad.string(), std::string("/no/such/file.mp3")}) {
    sys::SendMciCommand("open \"" + path + "\" alias broken");
    sys::SendMciCommand("play broken from 0");
    EXPECT_EQ(sys::SendMciCommand("status broken mode"), "") << path;
    sys::SendMciCommand("close broken");
  }
  std::filesystem::remove(bad);
  EXPECT_EQ(sys::SendMciCommand("sing alarm_test loudly"), "");
}

}  // namespace
