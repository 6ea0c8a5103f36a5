#pragma once

#include <string>

namespace tools {

// Strict: true only when the whole text is a decimal integer in the 32-bit
// range. Otherwise false, with the value read so far (clamped at the range).
bool TextToInt(const std::wstring& text, int& value);

// Lenient, as settings files are read: leading blanks and trailing garbage
// are ignored, no digits give 0, and the range clamps.
int LeadingInt(const std::wstring& text);

}  // namespace tools
