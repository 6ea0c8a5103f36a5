#pragma once

#include <string>

namespace shell {

// Points the window framework at "<program folder>/skin/" and picks its painter
// and web engine: GTK and WebKit on a display; nothing drawn and fake panes
// with --headless or VIREO_HEADLESS=1. False when a display is wanted and none
// can be opened (logged).
bool SetUpDisplay(int argc, const char* const* argv, const std::string& exeDir);

}  // namespace shell
