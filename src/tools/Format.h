#pragma once

#include <cstdarg>
#include <string>

namespace tools {

// Output larger than this is dropped and the result stays empty.
inline constexpr size_t kMaxFormattedBytes = 32u * 1024 * 1024;

// printf formatting into a new text.
std::string FormatText(const char* format, ...) __attribute__((format(printf, 1, 2)));
// Clears the target and writes the formatted output into it.
void FormatInto(std::string& target, const char* format, ...)
    __attribute__((format(printf, 2, 3)));
void FormatIntoV(std::string& target, const char* format, va_list args);

}  // namespace tools
