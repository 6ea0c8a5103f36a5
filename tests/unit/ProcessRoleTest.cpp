#include "shell/ProcessRole.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using shell::ProcessRole;

TEST(RoleFromCommandLine, FollowsTheTypeSwitch) {
  const struct {
    std::vector<const char*> argv;
    ProcessRole role;
  } cases[] = {
      {{"Vireo"}, ProcessRole::kBrowser},
      {{"Vireo", "--headless"}, ProcessRole::kBrowser},
      {{"Vireo", "--type=renderer"}, ProcessRole::kRenderer},
      {{"Vireo", "-type=renderer"}, ProcessRole::kRenderer},
      {{"Vireo", "--type=gpu-process"}, ProcessRole::kOther},
      {{"Vireo", "--type="}, ProcessRole::kOther},
      {{"Vireo", "--type"}, ProcessRole::kOther},
      {{"Vireo", "--typeface=x"}, ProcessRole::kBrowser},
      {{"Vireo", "type=renderer"}, ProcessRole::kBrowser},
      {{"Vireo", "--", "--type=renderer"}, ProcessRole::kBrowser},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(shell::RoleFromCommandLine(static_cast<int>(c.argv.size()), c.argv.data()), c.role)
        << c.argv.back();
  }
}

}  // namespace
