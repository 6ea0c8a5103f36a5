#include "tools/Paths.h"

#include <unistd.h>

#include <climits>

namespace tools {

std::string ModuleDirectory() {
  char path[PATH_MAX];
  const ssize_t length = readlink("/proc/self/exe", path, sizeof(path) - 1);
  if (length <= 0) return std::string();
  const std::string exe(path, static_cast<size_t>(length));
  return exe.substr(0, exe.rfind('/') + 1);
}

std::string FileExtensionOf(const std::string& fileName) {
  const auto dot = fileName.rfind('.');
  return dot == std::string::npos ? std::string() : fileName.substr(dot + 1);
}

}  // namespace tools
