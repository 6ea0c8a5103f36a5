#pragma once

#include <chrono>
#include <functional>

#include "ui/MainLoop.h"

namespace testing_support {

// Runs the main thread's work until `done` holds or a generous time-out passes.
inline bool PumpUntil(const std::function<bool()>& done, std::chrono::seconds timeout = std::chrono::seconds(60)) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  ui::RunMainThreadUntil([&] { return done() || std::chrono::steady_clock::now() > deadline; });
  return done();
}

}  // namespace testing_support
