#pragma once
// Script actions that record each call, for tests of the script bridge.

#include <string>
#include <vector>

#include "browser/ProcessMessageHandler.h"

namespace testing_support {

class RecordingActions : public browser::ScriptActions {
 public:
  void StopAudio() override { calls.push_back("StopAudio"); }
  void SetContentInset(int full) override { calls.push_back("SetContentInset " + std::to_string(full)); }
  void ReportFileState(int index, int state) override {
    calls.push_back("ReportFileState " + std::to_string(index) + " " + std::to_string(state));
  }
  std::vector<std::string> calls;
};

}  // namespace testing_support
