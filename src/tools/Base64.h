#pragma once

#include <string>

namespace tools {

// Standard alphabet with '=' padding and no line breaks. Always true.
bool EncodeBase64(const std::string& input, std::string& output);

}  // namespace tools
