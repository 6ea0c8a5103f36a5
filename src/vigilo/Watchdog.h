#pragma once
// The watchdog's passes over the terminal's processes.

#include <chrono>
#include <string>

namespace vigilo {

inline constexpr const char* kTerminalImage = "Vireo";
// The terminal runs as one process; WebKit's helpers carry names of their own.
inline constexpr size_t kHealthyTerminalProcesses = 1;
inline constexpr std::chrono::milliseconds kFirstDelay{10000};
inline constexpr std::chrono::milliseconds kPassInterval{5000};

// One look: start the terminal from `ownFolder` when none runs; kill every
// terminal process, with its descendants, when their number is wrong.
void RunPass(const std::string& ownFolder);

// The first delay, then a pass every interval, for ever.
[[noreturn]] void Watch(const std::string& ownFolder);

}  // namespace vigilo
