#include "system/Processes.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <filesystem>

#include "WaitFor.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using testing_support::WaitFor;

// Copies of `sleep` under a name no other process has, so nothing else is killed.
class ProbeProcesses : public testing::Test {
 protected:
  void SetUp() override {
    m_folder = fs::temp_directory_path() / ("vireo-probe-" + std::to_string(getpid()));
    fs::create_directories(m_folder);
    m_image = "kill_probe_" + std::to_string(getpid());
    fs::copy_file("/bin/sleep", m_folder / m_image);
  }
  void TearDown() override {
    for (const pid_t pid : m_pids) {
      kill(pid, SIGKILL);
      waitpid(pid, nullptr, 0);
    }
    fs::remove_all(m_folder);
  }
  pid_t Start() {
    const std::string path = (m_folder / m_image).string();
    char* argv[] = {const_cast<char*>(path.c_str()), const_cast<char*>("600"), nullptr};
    pid_t pid = 0;
    EXPECT_EQ(posix_spawn(&pid, path.c_str(), nullptr, nullptr, argv, environ), 0);
    m_pids.push_back(pid);
    return pid;
  }
  bool Running(pid_t pid) {
    // Collect it if it ended, so it does not linger as a zombie.
    return waitpid(pid, nullptr, WNOHANG) == 0;
  }

  fs::path m_folder;
  std::string m_image;
  std::vector<pid_t> m_pids;
};

TEST_F(ProbeProcesses, KillByNameIgnoresCaseAndKillsOnlyTheFirst) {
  const pid_t first = Start();
  const pid_t second = Start();
  ASSERT_TRUE(WaitFor([&] { return sys::ProcessesNamed(m_image).size() == 2; }));

  std::wstring upper(m_image.begin(), m_image.end());
  for (auto& c : upper) c = static_cast<wchar_t>(towupper(c));
  EXPECT_TRUE(sys::KillProcessByName(upper));
  EXPECT_TRUE(WaitFor([&] { return !Running(first); }));
  EXPECT_TRUE(Running(second));
  EXPECT_EQ(sys::ProcessesNamed(m_image), std::vector<pid_t>{second});

  EXPECT_FALSE(sys::KillProcessByName(L"no_such_program_here"));
}

TEST_F(ProbeProcesses, NamesAreExactWhenCounting) {
  Start();
  ASSERT_TRUE(WaitFor([&] { return sys::ProcessesNamed(m_image).size() == 1; }));
  std::string upper = m_image;
  for (auto& c : upper) c = static_cast<char>(toupper(c));
  EXPECT_TRUE(sys::ProcessesNamed(upper).empty());
  EXPECT_EQ(sys::KillAllNamed(m_image, false), 1);
  EXPECT_TRUE(WaitFor([&] { return sys::ProcessesNamed(m_image).empty(); }));
}

}  // namespace
