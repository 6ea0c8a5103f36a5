#pragma once
// The sound commands the terminal sends, in the words of the original platform's
// MCI string interface, played by GStreamer:
//   open "<path>" alias <name> | status <name> mode | play <name> from 0 | close <name>
// Words are case-insensitive.

#include <string>

namespace sys {

// The device's reply: for "status ... mode" "stopped" or "playing"; empty text
// for the other commands and for any error (an unknown alias, a file that does
// not open, a command not understood).
std::string SendMciCommand(const std::string& command);

}  // namespace sys
