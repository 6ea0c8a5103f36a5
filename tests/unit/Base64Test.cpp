#include "tools/Base64.h"

#include <gtest/gtest.h>

namespace {

TEST(EncodeBase64, MatchesTheStandardVectors) {
  const std::pair<std::string, std::string> cases[] = {
      {"", ""},         {"f", "Zg=="},         {"fo", "Zm8="},
      {"foo", "Zm9v"},  {"foob", "Zm9vYg=="},  {"fooba", "Zm9vYmE="},
      {"foobar", "Zm9vYmFy"}, {"abc", "YWJj"}, {"ab", "YWI="},
      {std::string("\xff\xfe\x00", 3), "//4A"},
  };
  for (const auto& [input, expected] : cases) {
    std::string output = "left over";
    EXPECT_TRUE(tools::EncodeBase64(input, output));
    EXPECT_EQ(output, expected) << "input of " << input.size() << " bytes";
  }
}

TEST(EncodeBase64, LengthIsFourPerStartedTriple) {
  for (size_t n = 0; n < 40; ++n) {
    std::string output;
    tools::EncodeBase64(std::string(n, '\x9c'), output);
    EXPECT_EQ(output.size(), (n + 2) / 3 * 4) << n;
  }
}

}  // namespace
