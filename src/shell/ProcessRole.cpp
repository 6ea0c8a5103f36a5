#include "shell/ProcessRole.h"

#include <string>

namespace shell {

ProcessRole RoleFromCommandLine(int argc, const char* const* argv) {
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "--") break;  // everything after it is an argument, not a switch
    if (arg.rfind("--", 0) == 0) arg.erase(0, 2);
    else if (arg.rfind("-", 0) == 0) arg.erase(0, 1);
    else continue;
    if (arg == "type") return ProcessRole::kOther;
    if (arg.rfind("type=", 0) == 0)
      return arg.substr(5) == "renderer" ? ProcessRole::kRenderer : ProcessRole::kOther;
  }
  return ProcessRole::kBrowser;
}

}  // namespace shell
