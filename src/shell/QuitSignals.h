#pragma once

namespace shell {

// SIGTERM and SIGINT are the ordinary way to stop a Linux program: they end
// the main loop with exit code 0 (orderly shutdown) instead of being recorded
// as a crash. Installed after logging, so they replace its handler for them.
void QuitOnStopSignals();

}  // namespace shell
