// Numbers as the calendar reads them from its boxes and writes them into texts.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "runtime/headless/headless_backend.h"
#include "runtime/numbers.h"
#include "runtime/runtime.h"

namespace runtime {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(ToNumber, ReadsTheLongestNumberPrefix) {
  struct Case {
    const char* text;
    double number;
  };
  const Case cases[] = {
      {"2022", 2022},
      {"２０２２", 2022},           // full-width digits
      {"2022年", 2022},
      {"12.9", 12.9},
      {"", 0},
      {"abc", 0},
      {"年2022", 0},
      {"  \t-3.5e2x", -350},
      {"+7", 7},
      {"－５", -5},                 // full-width minus
      {"１２．５", 12.5},
      {"　12", 12},                 // ideographic space is white space
      {"1e", 1},
      {"1e+", 1},
      {"2E3", 2000},
      {".5", 0},
      {"12.", 12},
      {"- 5", 0},
      {"99999999999", 99999999999.0},
      {"1e999", kInf},
      {"-1e999", -kInf},
      {"1e-999", 0},
      {"0.00000e999999999999", 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ToNumber(c.text), c.number) << c.text;
  }
}

TEST(ToText, UsesTheShortestForms) {
  EXPECT_EQ(ToText(20221201), "20221201");
  EXPECT_EQ(ToText(-5), "-5");
  EXPECT_EQ(ToText(std::numeric_limits<std::int32_t>::min()), "-2147483648");
  struct Case {
    double number;
    const char* text;
  };
  const Case cases[] = {
      {31.0, "31"},        {12.9, "12.9"},   {0.1 + 0.2, "0.3"},
      {1e20, "1e+20"},     {-28, "-28"},     {1234567890123456.0, "1.234567890123e+15"},
      {0.000125, "0.000125"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ToText(c.number), c.text) << c.text;
  }
}

TEST(TruncateToInt, RoundsTowardZeroAndSaturates) {
  struct Case {
    double number;
    std::int32_t integer;
  };
  const Case cases[] = {
      {2022.9, 2022},
      {-2022.9, -2022},
      {99999999999.0, 2147483647},
      {2147483647.5, 2147483647},
      {-2147483648.9, -2147483647 - 1},
      {-1e300, -2147483647 - 1},
      {kInf, 2147483647},
      {-kInf, -2147483647 - 1},
      {std::nan(""), 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TruncateToInt(c.number), c.integer) << c.number;
  }
}

TEST(IntDivideAndRemainder, RoundTowardZero) {
  struct Case {
    double a, b, quotient, remainder;
  };
  const Case cases[] = {
      {270, 4, 67, 2}, {-4, 60, -0.0, -4}, {-7, 2, -3, -1},
      {7, -3, -2, 1},  {35, 7, 5, 0},      {36, 7, 5, 1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IntDivide(c.a, c.b), c.quotient) << c.a << " / " << c.b;
    EXPECT_EQ(Remainder(c.a, c.b), c.remainder) << c.a << " % " << c.b;
  }
}

// The fatal error reaches the user as the box text, here on standard error in UTF-8.
TEST(IntDivideAndRemainderDeathTest, DivisorZeroIsFatal) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  const auto fatal = [](auto operation) {
    headless::HeadlessBackend backend;
    Runtime runtime(backend);
    operation();
  };
  EXPECT_EXIT(fatal([] { IntDivide(1, 0); }), testing::ExitedWithCode(1),
              reinterpret_cast<const char*>(u8"运行时出错!\n错误信息：不能整除于零"));
  EXPECT_EXIT(fatal([] { Remainder(1, -0.0); }), testing::ExitedWithCode(1),
              reinterpret_cast<const char*>(u8"运行时出错!\n错误信息：不能求余数于零"));
}

}  // namespace
}  // namespace runtime
