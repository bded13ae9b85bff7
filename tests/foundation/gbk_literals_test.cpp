// The calendar lays out texts by counting GBK bytes, so every literal in the program
// must be GBK, whatever the encoding of the source file.
#include <gtest/gtest.h>

#include <string>

namespace {

std::string Bytes(const char* text) { return std::string(text); }

TEST(GbkLiterals, ChineseTextsAreGbkBytes) {
  struct Case {
    const char* literal;
    const char* gbk;
  };
  const Case cases[] = {
      {"春", "\xB4\xBA"},
      {"　", "\xA1\xA1"},               // the full-width space of the month message
      {"宋体", "\xCB\xCE\xCC\xE5"},
      {"闰", "\xC8\xF2"},
      {"※", "\xA1\xF9"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Bytes(c.literal), Bytes(c.gbk)) << c.gbk;
  }
  static_assert(sizeof("春节") == 5, "a Chinese character is two bytes");
}

}  // namespace
