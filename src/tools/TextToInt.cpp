#include "tools/TextToInt.h"

#include <climits>
#include <cwctype>

namespace tools {
namespace {

struct IntScan {
  int value = 0;
  bool leadingBlank = false;
  bool hasDigits = false;
  bool clamped = false;
  bool wholeText = false;
};

IntScan ScanInt(const std::wstring& text) {
  IntScan scan;
  size_t i = 0;
  while (i < text.size() && std::iswspace(static_cast<wint_t>(text[i]))) ++i;
  scan.leadingBlank = i > 0;
  bool negative = false;
  if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) negative = text[i++] == L'-';
  const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
  long long magnitude = 0;
  for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
    scan.hasDigits = true;
    magnitude = magnitude * 10 + (text[i] - L'0');
    if (magnitude > limit) {
      magnitude = limit;
      scan.clamped = true;
    }
  }
  scan.wholeText = i == text.size();
  scan.value = static_cast<int>(negative ? -magnitude : magnitude);
  return scan;
}

}  // namespace

bool TextToInt(const std::wstring& text, int& value) {
  const IntScan scan = ScanInt(text);
  value = scan.value;
  return !scan.leadingBlank && scan.hasDigits && scan.wholeText && !scan.clamped;
}

int LeadingInt(const std::wstring& text) { return ScanInt(text).value; }

}  // namespace tools
