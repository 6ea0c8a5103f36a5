#include "tools/Format.h"

#include <cstdio>
#include <vector>

namespace tools {

void FormatIntoV(std::string& target, const char* format, va_list args) {
  target.clear();
  // Buffers grow by doubling from 1024 bytes; the first attempt tells the size
  // needed, so at most one more attempt is made.
  size_t size = 1024;
  while (size <= kMaxFormattedBytes) {
    std::vector<char> buffer(size);
    va_list attempt;
    va_copy(attempt, args);
    const int written = std::vsnprintf(buffer.data(), size, format, attempt);
    va_end(attempt);
    if (written < 0) return;
    const size_t needed = static_cast<size_t>(written) + 1;
    if (needed <= size) {
      target.assign(buffer.data(), static_cast<size_t>(written));
      return;
    }
    while (size < needed) size *= 2;
  }
}

void FormatInto(std::string& target, const char* format, ...) {
  va_list args;
  va_start(args, format);
  FormatIntoV(target, format, args);
  va_end(args);
}

std::string FormatText(const char* format, ...) {
  std::string text;
  va_list args;
  va_start(args, format);
  FormatIntoV(text, format, args);
  va_end(args);
  return text;
}

}  // namespace tools
