#pragma once

#include <string>
#include <vector>

namespace tools {

// Pieces between separators, left to right; the text after the last separator
// is always the last piece. An empty separator leaves the list empty.
void SplitText(const std::wstring& text, const std::wstring& separator,
               std::vector<std::wstring>& pieces);

// Replaces every occurrence, left to right without overlap; returns how many.
int ReplaceAllText(const std::string& find, const std::string& replacement,
                   std::string& target);

}  // namespace tools
