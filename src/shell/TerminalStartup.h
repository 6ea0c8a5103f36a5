#pragma once

namespace shell {

// The terminal's entry point after static initialisation: start-up, the main
// loop, orderly shutdown. Returns the process exit code.
int RunTerminal(int argc, const char* const* argv);

}  // namespace shell
