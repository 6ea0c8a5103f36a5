#include "tools/TextEdit.h"

#include <gtest/gtest.h>

namespace {

using Pieces = std::vector<std::wstring>;

TEST(SplitText, KeepsEmptyPieces) {
  const struct {
    std::wstring text, separator;
    Pieces pieces;
  } cases[] = {
      {L"192.0.2.5:8080", L":", {L"192.0.2.5", L"8080"}},
      {L"whole", L":", {L"whole"}},
      {L"", L":", {L""}},
      {L"a:", L":", {L"a", L""}},
      {L":a", L":", {L"", L"a"}},
      {L"a::b", L":", {L"a", L"", L"b"}},
      {L"a||b||", L"||", {L"a", L"b", L""}},
      {L"a:b", L"", {}},
  };
  for (const auto& c : cases) {
    Pieces pieces = {L"stale"};
    tools::SplitText(c.text, c.separator, pieces);
    EXPECT_EQ(pieces, c.pieces);
  }
}

TEST(ReplaceAllText, CountsAndReplacesWithoutOverlap) {
  const struct {
    std::string find, replacement, target, result;
    int count;
  } cases[] = {
      {"http://", "", "http://a/http://b", "a/b", 2},
      {"aa", "b", "aaaaa", "bba", 2},
      {"x", "xx", "axbx", "axxbxx", 2},
      {"z", "y", "abc", "abc", 0},
      {"", "y", "abc", "abc", 0},
  };
  for (const auto& c : cases) {
    std::string target = c.target;
    EXPECT_EQ(tools::ReplaceAllText(c.find, c.replacement, target), c.count) << c.target;
    EXPECT_EQ(target, c.result);
  }
}

}  // namespace
