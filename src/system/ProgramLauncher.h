#pragma once

#include <string>
#include <vector>

namespace sys {

// Starts a program hidden and detached: a session of its own, stdio on
// /dev/null, none of our descriptors. The child inherits our environment and
// rights. False when it could not be started.
bool StartProgram(const std::string& path, const std::vector<std::string>& arguments);

}  // namespace sys
