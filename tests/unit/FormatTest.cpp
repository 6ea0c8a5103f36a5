#include "tools/Format.h"

#include <gtest/gtest.h>

namespace {

TEST(FormatText, FormatsShortText) {
  EXPECT_EQ(tools::FormatText("%s:%d", "host", 8080), "host:8080");
  EXPECT_EQ(tools::FormatText("%d%02d%02d", 2024, 3, 5), "20240305");
}

TEST(FormatText, GrowsPastTheFirstBufferAtEveryBoundary) {
  for (const size_t size : {1023u, 1024u, 1025u, 2047u, 2048u, 5000u, 100000u}) {
    const std::string body(size, 'x');
    EXPECT_EQ(tools::FormatText("%s", body.c_str()), body) << size;
  }
}

TEST(FormatText, DropsOutputBeyondTheLimit) {
  const std::string fits(tools::kMaxFormattedBytes - 1, 'a');
  EXPECT_EQ(tools::FormatText("%s", fits.c_str()).size(), fits.size());
  EXPECT_EQ(tools::FormatText("%s!", fits.c_str()), "");
}

TEST(FormatInto, ReplacesTheTarget) {
  std::string target = "old content";
  tools::FormatInto(target, "%s=%d", "ClientId", 12);
  EXPECT_EQ(target, "ClientId=12");
}

}  // namespace
