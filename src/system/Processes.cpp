#include "system/Processes.h"

#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "tools/TextCodec.h"

namespace sys {
namespace {

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

std::string ImageOf(pid_t pid) {
  const std::string folder = "/proc/" + std::to_string(pid);
  char target[PATH_MAX];
  const ssize_t length = readlink((folder + "/exe").c_str(), target, sizeof(target) - 1);
  if (length > 0) {
    std::string path(target, static_cast<size_t>(length));
    static const std::string kDeleted = " (deleted)";  // a program file replaced while it runs
    if (path.size() > kDeleted.size() && path.compare(path.size() - kDeleted.size(), kDeleted.size(), kDeleted) == 0)
      path.erase(path.size() - kDeleted.size());
    return path.substr(path.rfind('/') + 1);
  }
  std::ifstream comm(folder + "/comm");  // kernel threads and processes of other users
  std::string name;
  std::getline(comm, name);
  return name;
}

struct ProcessStat {
  char state = '?';
  pid_t parent = 0;
};

ProcessStat ReadStat(pid_t pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string content((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
  // "pid (comm) state ppid ...": the name may hold blanks and parentheses.
  ProcessStat result;
  const auto close = content.rfind(')');
  if (close == std::string::npos) return result;
  std::istringstream fields(content.substr(close + 1));
  fields >> result.state >> result.parent;
  return result;
}

}  // namespace

std::vector<ProcessEntry> ListProcesses() {
  std::vector<ProcessEntry> processes;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator("/proc", error)) {
    const std::string name = entry.path().filename().string();
    if (name.empty() || !std::all_of(name.begin(), name.end(), ::isdigit)) continue;
    const pid_t pid = static_cast<pid_t>(std::stol(name));
    const ProcessStat stat = ReadStat(pid);
    // A zombie has ended; only its parent has not collected it yet.
    if (stat.state == 'Z' || stat.state == 'X') continue;
    std::string image = ImageOf(pid);
    if (image.empty()) continue;  // ended while we looked
    processes.push_back({pid, stat.parent, std::move(image)});
  }
  std::sort(processes.begin(), processes.end(),
            [](const ProcessEntry& a, const ProcessEntry& b) { return a.pid < b.pid; });
  return processes;
}

std::vector<pid_t> ProcessesNamed(const std::string& image) {
  std::vector<pid_t> pids;
  for (const auto& process : ListProcesses())
    if (process.image == image) pids.push_back(process.pid);
  return pids;
}

bool KillProcessByName(const std::wstring& image) {
  std::string wanted;
  tools::ToLocalText(image, wanted);
  wanted = Lower(wanted);
  for (const auto& process : ListProcesses()) {
    if (Lower(process.image) == wanted) return kill(process.pid, SIGKILL) == 0;
  }
  return false;
}

int KillAllNamed(const std::string& image, bool withDescendants) {
  const auto processes = ListProcesses();
  std::set<pid_t> doomed;
  for (const auto& process : processes)
    if (process.image == image) doomed.insert(process.pid);
  // Children are listed after their parents in most cases, not all: repeat until nothing is added.
  for (bool grew = withDescendants; grew;) {
    grew = false;
    for (const auto& process : processes) {
      if (doomed.count(process.parent) && doomed.insert(process.pid).second) grew = true;
    }
  }
  int signalled = 0;
  for (const pid_t pid : doomed) signalled += kill(pid, SIGKILL) == 0;
  return signalled;
}

}  // namespace sys
