#pragma once

#include <chrono>
#include <thread>

namespace testing_support {

// Polls until the predicate holds; false when the generous time-out passes first.
template <typename Predicate>
bool WaitFor(Predicate predicate, std::chrono::seconds timeout = std::chrono::seconds(30)) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (std::chrono::steady_clock::now() < deadline) {
    if (predicate()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return predicate();
}

}  // namespace testing_support
