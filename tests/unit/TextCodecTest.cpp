#include "tools/TextCodec.h"

#include <gtest/gtest.h>

namespace {

TEST(TextCodec, BrokenSequencesAreLeftOutOfReceivedText) {
  EXPECT_EQ(tools::Utf8ToLocal("ab\xff\xfe" "cd"), "abcd");
  EXPECT_EQ(tools::Utf8ToLocal("设备\xe8\xae" "名称"), "设备名称");
  EXPECT_EQ(tools::Utf8ToLocal("{\"Name\":\"一号楼\"}"), "{\"Name\":\"一号楼\"}");
  EXPECT_EQ(tools::LocalToUtf8("终端\x80"), "终端");
}

TEST(TextCodec, WideAndLocalRoundTrip) {
  std::wstring wide;
  EXPECT_TRUE(tools::ToWideText("教学楼A-301 \xF0\x9F\x94\x94", wide));
  EXPECT_EQ(wide, L"教学楼A-301 \U0001F514");
  std::string local;
  EXPECT_TRUE(tools::ToLocalText(wide, local));
  EXPECT_EQ(local, "教学楼A-301 \xF0\x9F\x94\x94");

  EXPECT_TRUE(tools::ToWideText("a\xc3" "b", wide));
  EXPECT_EQ(wide, L"ab");
}

TEST(TextCodec, ZeroTerminatedFormNeedsText) {
  std::string local = "stale";
  EXPECT_TRUE(tools::ToLocalText(L"楼层", local));
  EXPECT_EQ(local, "楼层");
  EXPECT_FALSE(tools::ToLocalText(static_cast<const wchar_t*>(nullptr), local));
  EXPECT_EQ(local, "");
}

}  // namespace
