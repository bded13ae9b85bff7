// The up-down arithmetic: how a box text reads, and the step with its wrap.
#include "runtime/up_down.h"

#include <gtest/gtest.h>

#include <climits>

namespace runtime {
namespace {

TEST(UpDown, ReadsWhiteSpaceSignAndDigitsElseZero) {
  const struct {
    const char* text;
    std::int32_t value;
  } cases[] = {
      {"", 0},          {"2024", 2024},   {"  \t\r\n 42", 42},  {"+7", 7},
      {"-3", -3},       {"12abc", 12},    {"abc", 0},           {"- 5", 0},
      {"1 2", 1},       {"0012", 12},     {"12.9", 12},         {"\xA3\xB2\xA3\xB0", 0},  // "２０"
      {"99999999999", INT_MAX},           {"-99999999999", INT_MIN},
  };
  for (const auto& c : cases) EXPECT_EQ(UpDownValueOf(c.text), c.value) << '"' << c.text << '"';
}

TEST(UpDown, StepsAndWrapsToTheOtherBound) {
  const UpDownRange years{1902, 2047};
  const UpDownRange months{1, 12};
  const struct {
    const char* text;
    UpDownArrow arrow;
    UpDownRange bounds;
    const char* result;
  } cases[] = {
      {"2047", UpDownArrow::kUp, years, "1902"},   {"1902", UpDownArrow::kDown, years, "2047"},
      {"2024", UpDownArrow::kUp, years, "2025"},   {"2024", UpDownArrow::kDown, years, "2023"},
      {"12", UpDownArrow::kUp, months, "1"},       {"1", UpDownArrow::kDown, months, "12"},
      {"abc", UpDownArrow::kUp, years, "1902"},    {"abc", UpDownArrow::kDown, years, "2047"},
      {"abc", UpDownArrow::kUp, months, "1"},      {"abc", UpDownArrow::kDown, months, "12"},
      {"", UpDownArrow::kUp, months, "1"},         {"3000", UpDownArrow::kDown, years, "2047"},
      {"-5", UpDownArrow::kUp, months, "1"},       {"99999999999", UpDownArrow::kUp, years, "1902"},
      {"-99999999999", UpDownArrow::kDown, years, "2047"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(UpDownClick(c.text, c.arrow, c.bounds), c.result)
        << '"' << c.text << '"' << (c.arrow == UpDownArrow::kUp ? " up" : " down");
  }
}

TEST(UpDown, TheSmallerStoredLimitIsTheLowerBound) {
  EXPECT_EQ(UpDownBounds({12, 1}), (UpDownRange{1, 12}));
  EXPECT_EQ(UpDownBounds({1902, 2047}), (UpDownRange{1902, 2047}));
}

}  // namespace
}  // namespace runtime
