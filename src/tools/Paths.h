#pragma once

#include <string>

namespace tools {

// Folder of the running program file, with a trailing '/'.
std::string ModuleDirectory();

// The text after the last '.', or empty text when there is none.
std::string FileExtensionOf(const std::string& fileName);

}  // namespace tools
