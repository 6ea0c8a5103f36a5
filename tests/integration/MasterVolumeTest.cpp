#include "system/MasterVolume.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "WaitFor.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using testing_support::WaitFor;

// Machines here have no sound card: a PulseAudio server of the test's own, with
// a null sink, is the real mixer that ALSA's default card reaches.
class MasterVolumeTest : public testing::Test {
 protected:
  void SetUp() override {
    m_folder = fs::temp_directory_path() / ("vireo-pulse-" + std::to_string(getpid()));
    fs::create_directories(m_folder / "runtime");
    fs::permissions(m_folder / "runtime", fs::perms::owner_all);
    std::ofstream(m_folder / ".asoundrc") << "pcm.!default { type pulse }\nctl.!default { type pulse }\n";
    setenv("HOME", m_folder.c_str(), 1);
    setenv("XDG_RUNTIME_DIR", (m_folder / "runtime").c_str(), 1);

    const char* argv[] = {"pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--disallow-exit",
                          "-L", "module-null-sink", "-L", "module-native-protocol-unix",
                          "-L", "module-always-sink", nullptr};
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 2, "/dev/null", O_WRONLY, 0);
    ASSERT_EQ(posix_spawnp(&m_server, "pulseaudio", &files, nullptr, const_cast<char**>(argv), environ), 0);
    posix_spawn_file_actions_destroy(&files);
    ASSERT_TRUE(WaitFor([] { return Run("pactl info").find("Server String") != std::string::npos; }));
  }

  void TearDown() override {
    if (m_server > 0) {
      kill(m_server, SIGTERM);
      waitpid(m_server, nullptr, 0);
    }
    fs::remove_all(m_folder);
  }

  static std::string Run(const std::string& command) {
    std::string output;
    FILE* pipe = popen((command + " 2>/dev/null").c_str(), "r");
    if (!pipe) return output;
    char buffer[512];
    while (fgets(buffer, sizeof(buffer), pipe)) output += buffer;
    pclose(pipe);
    return output;
  }

  static std::string SinkVolume() { return Run("pactl get-sink-volume @DEFAULT_SINK@"); }

  fs::path m_folder;
  pid_t m_server = -1;
};

TEST_F(MasterVolumeTest, SetsThePercentOnEveryChannelAndLeavesMuteAlone) {
  EXPECT_TRUE(sys::SetMasterVolume(35));
  const std::string volume = SinkVolume();
  EXPECT_NE(volume.find("front-left: 22938 /  35%"), std::string::npos) << volume;
  EXPECT_NE(volume.find("front-right: 22938 /  35%"), std::string::npos) << volume;

  EXPECT_TRUE(sys::SetMasterVolume(0));
  EXPECT_NE(SinkVolume().find("/   0%"), std::string::npos) << SinkVolume();
  EXPECT_NE(Run("pactl get-sink-mute @DEFAULT_SINK@").find("no"), std::string::npos);
}

TEST_F(MasterVolumeTest, ALevelOutOfRangeRaisesBeforeTouchingTheMixer) {
  sys::SetMasterVolume(35);
  for (const int level : {101, -1}) {
    try {
      sys::SetMasterVolume(level);
      ADD_FAILURE() << level << " did not raise";
    } catch (const std::runtime_error& e) {
      EXPECT_STREQ(e.what(), "SetMasterVolumeLevelScalar");
    }
  }
  EXPECT_NE(SinkVolume().find("35%"), std::string::npos) << SinkVolume();
}

}  // namespace
