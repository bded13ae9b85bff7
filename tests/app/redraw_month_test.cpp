// RedrawMonth: the range checks and their messages, the grid's positions and colours,
// and today's mark.
#include <set>

#include "calendar_fixture.h"

namespace app {
namespace {

using runtime::kTransparent;

TEST(RangeMessages, AreTheExactTexts) {
  EXPECT_EQ(Text(kYearMessage),
            "\xA1\xF9\xA1\xF9 \xC4\xEA\xB7\xDD\xD3\xA6\xD4\xDA" "1902-2047"
            "\xD6\xAE\xBC\xE4 \xA1\xF9\xA1\xF9");
  EXPECT_EQ(Text(kMonthMessage),
            "\xA1\xF9\xA1\xF9 \xD4\xC2\xB7\xDD\xCA\xFD\xD3\xA6\xD4\xDA 1-12 "
            "\xD6\xAE\xBC\xE4\xA1\xA1\xA1\xF9\xA1\xF9");
}

class RedrawMonthTest : public CalendarTest {};

TEST_F(RedrawMonthTest, OutOfRangeShowsTheMessageAndLeavesTheCanvas) {
  struct Case {
    const char* year;
    const char* month;
    const char* header;  // nullptr: the month is drawn
  };
  const Case cases[] = {
      {"1901", "5", kYearMessage},
      {"2048", "5", kYearMessage},
      {"abc", "5", kYearMessage},
      {"", "5", kYearMessage},
      {"99999999999", "5", kYearMessage},
      {"-99999999999", "5", kYearMessage},
      {"1e999", "5", kYearMessage},
      {"1901", "13", kYearMessage},  // the year is tested first
      {"", "", kYearMessage},
      {"2022", "0", kMonthMessage},
      {"2022", "13", kMonthMessage},
      {"2022", "", kMonthMessage},
      {"2022", "abc", kMonthMessage},
      {"2022", "12.9", nullptr},
      {"1902", "1", nullptr},
      {"2047", "12", nullptr},
      {"2022年", "5月", nullptr},
      {"2022.9", "5", nullptr},
      {"２０２２", "１２", nullptr},
      {" 2022", "+5", nullptr},
  };
  for (const Case& c : cases) {
    Show(c.year, c.month);
    if (c.header != nullptr) {
      EXPECT_EQ(Header(), c.header) << c.year << " / " << c.month;
      EXPECT_TRUE(canvas().ops().empty()) << c.year << " / " << c.month;
    } else {
      EXPECT_EQ(runtime::TextLeft(Header(), 2), "◆") << c.year << " / " << c.month;
      ASSERT_FALSE(canvas().ops().empty()) << c.year << " / " << c.month;
      EXPECT_EQ(canvas().ops()[0].kind, DrawOp::Kind::kFill) << c.year << " / " << c.month;
    }
  }
}

TEST_F(RedrawMonthTest, ClearsThenDrawsTheWatermarkUnderEverything) {
  Show("2022", "12");
  const auto& ops = canvas().ops();
  ASSERT_EQ(ops.size(), 2u + 2 * 31);
  EXPECT_EQ(ops[0].kind, DrawOp::Kind::kFill);
  EXPECT_EQ(ops[0].colour, 0xFFFFFFu);
  const DrawOp& watermark = ops[1];
  EXPECT_EQ(watermark.text, "2022");
  EXPECT_EQ(watermark.x, 140);
  EXPECT_EQ(watermark.y, 0);
  EXPECT_EQ(watermark.colour, 0xECECECu);
  EXPECT_EQ(watermark.background, kTransparent);
  EXPECT_EQ(watermark.font, (runtime::Font{"Arial", 80, 700, false, false, false, 0, 60}));
  for (std::int32_t day = 1; day <= 31; ++day) {
    EXPECT_EQ(DayNumber(day).font, (runtime::Font{"Arial", 24, 700, false, false, false, 0, 18}));
    EXPECT_EQ(Annotation(day).font, (runtime::Font{"宋体", 12, 400, false, false, false, 0, 9}));
  }
}

// The 4-, 5- and 6-row months, at their exact positions.
TEST_F(RedrawMonthTest, RowsFillTheGridHeight) {
  struct Point {
    std::int32_t day, x, y;
    runtime::Colour colour;
  };
  struct Case {
    const char* year;
    const char* month;
    std::set<std::int32_t> row_tops;
    std::vector<Point> points;
  };
  const Case cases[] = {
      {"2026", "2", {0, 67, 134, 201}, {{1, 30, 0, 255}, {7, 414, 0, 255}, {28, 406, 201, 255}, {9, 94, 67, 0}}},
      {"2022", "12", {0, 54, 108, 162, 216}, {{1, 286, 0, 0}, {31, 406, 216, 255}, {25, 22, 216, 255}}},
      {"2022", "10", {0, 45, 90, 135, 180, 225}, {{1, 414, 0, 255}, {2, 30, 45, 255}, {31, 86, 225, 0}}},
      {"2015", "2", {0, 67, 134, 201}, {{1, 30, 0, 255}}},  // February, 1st on a Sunday
      {"2024", "2", {0, 54, 108, 162, 216}, {{29, 278, 216, 0}}},
  };
  for (const Case& c : cases) {
    Show(c.year, c.month);
    std::set<std::int32_t> tops;
    for (std::int32_t day = 1; day <= runtime::DaysInMonth(runtime::TruncateToInt(runtime::ToNumber(c.year)),
                                                             runtime::TruncateToInt(runtime::ToNumber(c.month)));
         ++day) {
      tops.insert(DayNumber(day).y);
      EXPECT_EQ(Annotation(day).y, DayNumber(day).y + 30) << c.year << "-" << c.month << "-" << day;
    }
    EXPECT_EQ(tops, c.row_tops) << c.year << "-" << c.month;
    for (const Point& p : c.points) {
      const DrawOp& number = DayNumber(p.day);
      EXPECT_EQ(number.x, p.x) << c.year << "-" << c.month << "-" << p.day;
      EXPECT_EQ(number.y, p.y) << c.year << "-" << c.month << "-" << p.day;
      EXPECT_EQ(number.colour, p.colour) << c.year << "-" << c.month << "-" << p.day;
    }
  }
}

TEST_F(RedrawMonthTest, WeekendNumbersAreRed) {
  Show("2022", "12");
  std::set<std::int32_t> red;
  for (std::int32_t day = 1; day <= 31; ++day) {
    if (DayNumber(day).colour == 255) red.insert(day);
    else EXPECT_EQ(DayNumber(day).colour, 0u) << day;
  }
  EXPECT_EQ(red, (std::set<std::int32_t>{3, 4, 10, 11, 17, 18, 24, 25, 31}));
}

TEST_F(RedrawMonthTest, TodayAloneHasACyanGroundAndOnlyInItsOwnMonth) {
  struct Case {
    runtime::DateValue today;
    const char* month;
    std::int32_t cyan_day;  // 0: none
  };
  const Case cases[] = {
      {runtime::MakeDateValue(2022, 12, 15, 23, 59, 59), "12", 15},
      {runtime::MakeDateValue(2022, 12, 1), "12", 1},
      {runtime::MakeDateValue(2022, 12, 31), "12", 31},
      {runtime::MakeDateValue(2022, 12, 15), "11", 0},
      {runtime::MakeDateValue(2021, 12, 15), "12", 0},
      {runtime::MakeDateValue(2022, 11, 30), "12", 0},
  };
  for (const Case& c : cases) {
    runtime::FixClock(c.today);
    Show("2022", c.month);
    std::vector<std::size_t> cyan;
    for (std::size_t i = 0; i < canvas().ops().size(); ++i) {
      if (canvas().ops()[i].background != kTransparent) cyan.push_back(i);
    }
    if (c.cyan_day == 0) {
      EXPECT_TRUE(cyan.empty()) << c.month;
      continue;
    }
    ASSERT_EQ(cyan.size(), 1u) << c.cyan_day;
    EXPECT_EQ(canvas().ops()[cyan[0]], DayNumber(c.cyan_day));
    EXPECT_EQ(DayNumber(c.cyan_day).background, 0xFFFF00u);
    EXPECT_EQ(Annotation(c.cyan_day).background, kTransparent);
  }
}

}  // namespace
}  // namespace app

namespace app {
namespace {

TEST_F(RedrawMonthTest, AMessageKeepsTheMonthDrawnLast) {
  Show("2022", "12");
  const auto drawn = canvas().ops();
  Type(编辑框1, "1901");
  EXPECT_EQ(Header(), kYearMessage);
  Type(编辑框1, "2022");
  Type(编辑框2, "13");
  EXPECT_EQ(Header(), kMonthMessage);
  ASSERT_GE(canvas().ops().size(), drawn.size());
  // Only the redraw of the typed 2022 (still December) came after the first drawing.
  EXPECT_EQ(std::vector<DrawOp>(canvas().ops().end() - drawn.size(), canvas().ops().end()), drawn);
  EXPECT_EQ(canvas().ops().size(), 2 * drawn.size());
}

}  // namespace
}  // namespace app
