#include "shell/SingleInstance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace shell {
namespace {

std::string LockFolder() {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  return runtime && *runtime ? std::string(runtime) : std::string("/tmp");
}

}  // namespace

bool IsSecondInstance(const std::string& name) {
  const std::string path = LockFolder() + "/" + name;
  // Close-on-exec, so programs we start never inherit the marker.
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return false;  // held until the process ends
  const bool heldElsewhere = errno == EWOULDBLOCK;
  ::close(fd);
  return heldElsewhere;
}

}  // namespace shell
