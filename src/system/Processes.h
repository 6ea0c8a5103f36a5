#pragma once
// Running processes by image name, read from /proc.

#include <sys/types.h>

#include <string>
#include <vector>

namespace sys {

struct ProcessEntry {
  pid_t pid = 0;
  pid_t parent = 0;
  std::string image;  // the program file's name, without its folder
};

// Every running process, in process-id order; ended ones not yet collected by their parent are left out.
std::vector<ProcessEntry> ListProcesses();

// Process ids whose image name is exactly `image` (case-sensitive).
std::vector<pid_t> ProcessesNamed(const std::string& image);

// Kills the first process whose image name equals `image` once both are
// lower-cased. True when one was killed.
bool KillProcessByName(const std::wstring& image);

// Kills every process named exactly `image`, and with `withDescendants` their
// descendants too. Returns how many processes were signalled.
int KillAllNamed(const std::string& image, bool withDescendants);

}  // namespace sys
