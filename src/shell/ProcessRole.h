#pragma once

namespace shell {

// The browser process is the terminal itself; every other role is a helper
// started with a "type" switch, which on this platform has nothing to do.
enum class ProcessRole { kBrowser, kRenderer, kOther };

ProcessRole RoleFromCommandLine(int argc, const char* const* argv);

}  // namespace shell
