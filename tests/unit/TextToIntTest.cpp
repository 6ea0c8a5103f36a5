#include "tools/TextToInt.h"

#include <gtest/gtest.h>

namespace {

TEST(TextToInt, AcceptsOnlyAWholeDecimalInRange) {
  const struct {
    std::wstring text;
    int value;
    bool valid;
  } cases[] = {
      {L"42", 42, true},
      {L"+42", 42, true},
      {L"-42", -42, true},
      {L" 42", 42, false},
      {L"4a", 4, false},
      {L"a4", 0, false},
      {L"", 0, false},
      {L"-", 0, false},
      {L"2147483647", 2147483647, true},
      {L"-2147483648", -2147483647 - 1, true},
      {L"2147483648", 2147483647, false},
      {L"99999999999", 2147483647, false},
      {L"-99999999999", -2147483647 - 1, false},
  };
  for (const auto& c : cases) {
    int value = 12345;
    EXPECT_EQ(tools::TextToInt(c.text, value), c.valid) << c.text.size();
    EXPECT_EQ(value, c.value);
  }
}

TEST(LeadingInt, ReadsTheLeadingNumberAndIgnoresTheRest) {
  const std::pair<std::wstring, int> cases[] = {
      {L"42", 42}, {L" 42", 42}, {L"42x", 42}, {L"x42", 0}, {L"", 0},
      {L"99999999999", 2147483647}, {L"-99999999999", -2147483647 - 1}, {L"\t-7 ", -7},
  };
  for (const auto& [text, value] : cases) EXPECT_EQ(tools::LeadingInt(text), value);
}

}  // namespace
