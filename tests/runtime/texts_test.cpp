// Byte-counted texts: positions from 1, a Chinese character two bytes.
#include <gtest/gtest.h>

#include "runtime/text.h"

namespace runtime {
namespace {

constexpr char kNumerals[] = "一二三四五六七八九十";

TEST(Texts, CutByBytes) {
  struct Case {
    Text got, want;
  };
  const Case cases[] = {
      {TextLeft("2圣诞节", 1), "2"},
      {TextLeft("abc", 5), "abc"},
      {TextLeft("abc", 0), ""},
      {TextLeft("abc", -1), ""},
      {TextRight("2圣诞节", 6), "圣诞节"},
      {TextRight("abc", 9), "abc"},
      {TextRight("abc", 0), ""},
      {TextMid(kNumerals, 19, 2), "十"},
      {TextMid(kNumerals, 21, 2), ""},
      {TextMid(kNumerals, 1, 2), "一"},
      {TextMid(kNumerals, 17, 10), "九十"},
      {TextMid(kNumerals, 0, 2), ""},
      {TextMid(kNumerals, 3, 0), ""},
      {TextMid("", 1, 1), ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.got, c.want);
  }
  EXPECT_EQ(TextLength(kNumerals), 20);
  EXPECT_EQ(TextLength(""), 0);
}

TEST(Texts, JoinTwoOrMore) {
  EXPECT_EQ(JoinTexts("◆", "光绪"), "◆光绪");
  EXPECT_EQ(JoinTexts(Text("a"), "", Text("b"), "c"), "abc");
}

TEST(Texts, CompareByUnsignedBytes) {
  EXPECT_EQ(CompareTexts("", Text()), 0);
  EXPECT_EQ(CompareTexts("春", "春"), 0);
  EXPECT_EQ(CompareTexts("a", "b"), -1);
  EXPECT_EQ(CompareTexts("b", "a"), 1);
  EXPECT_EQ(CompareTexts("a", "ab"), -1);
  EXPECT_EQ(CompareTexts("春", "z"), 1);  // 0xB4 sorts after 'z'
  EXPECT_EQ(CompareTexts("", "2"), -1);
}

}  // namespace
}  // namespace runtime
