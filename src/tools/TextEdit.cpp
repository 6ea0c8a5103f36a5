#include "tools/TextEdit.h"

namespace tools {

void SplitText(const std::wstring& text, const std::wstring& separator,
               std::vector<std::wstring>& pieces) {
  pieces.clear();
  if (separator.empty()) return;
  size_t start = 0;
  for (size_t found; (found = text.find(separator, start)) != std::wstring::npos;
       start = found + separator.size()) {
    pieces.push_back(text.substr(start, found - start));
  }
  pieces.push_back(text.substr(start));
}

int ReplaceAllText(const std::string& find, const std::string& replacement,
                   std::string& target) {
  if (find.empty()) return 0;
  int count = 0;
  std::string result;
  size_t start = 0;
  for (size_t found; (found = target.find(find, start)) != std::string::npos;
       start = found + find.size()) {
    result.append(target, start, found - start).append(replacement);
    ++count;
  }
  if (count > 0) target = result.append(target, start, std::string::npos);
  return count;
}

}  // namespace tools
