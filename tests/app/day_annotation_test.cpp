// Day annotations: solar term, else festival, else lunar day or month, each in its
// colour and at its place under the day number, kept inside the canvas.
#include "app/day_annotation.h"

#include "calendar_fixture.h"

namespace app {
namespace {

TEST(LunarNames, ReadAsTheCalendarWritesThem) {
  struct Day {
    std::int32_t day;
    const char* name;
  };
  const Day days[] = {{2, "初二"},  {9, "初九"},  {10, "初十"}, {11, "十一"}, {19, "十九"},
                      {20, "二十"}, {21, "廿一"}, {29, "廿九"}, {30, "三十"}, {1, ""}, {0, ""}};
  for (const Day& d : days) EXPECT_EQ(LunarDayName(d.day), d.name) << d.day;

  struct Month {
    std::int32_t month;
    bool leap;
    std::int32_t days;
    const char* name;
  };
  const Month months[] = {{1, false, 30, "一月大"},    {10, false, 29, "十月小"},
                          {11, false, 30, "十一月大"}, {12, false, 30, "十二月大"},
                          {2, true, 29, "闰二月小"},   {12, true, 29, "闰十二月小"}};
  for (const Month& m : months) EXPECT_EQ(LunarMonthName(m.month, m.leap, m.days), m.name) << m.month;
}

class DayAnnotation : public CalendarTest {};

struct Expected {
  const char* year;
  const char* month;
  std::int32_t day;
  const char* text;
  runtime::Colour colour;
  std::int32_t x, y;
};

void ExpectAnnotation(DayAnnotation& t, const Expected& e, const DrawOp& op) {
  const std::string where = std::string(e.year) + "-" + e.month + "-" + std::to_string(e.day);
  EXPECT_EQ(op.text, e.text) << where;
  EXPECT_EQ(op.colour, e.colour) << where;
  EXPECT_EQ(op.x, e.x) << where;
  EXPECT_EQ(op.y, e.y) << where;
  (void)t;
}

TEST_F(DayAnnotation, ShowsFestivalsAndLunarDaysInTheirColours) {
  const Expected cases[] = {
      {"2022", "12", 23, "十二月大", kMonthStartColour, 334, 192},
      {"2023", "3", 22, "闰二月小", kMonthStartColour, 206, 192},
      {"2022", "12", 25, "圣诞节", kGregorianDayColour, 17, 246},
      {"2022", "12", 1, "初八", kDayNameColour, 282, 30},
      {"2022", "12", 3, "初十", kDayNameColour, 410, 30},
      {"2022", "12", 13, "二十", kDayNameColour, 154, 138},
      {"2022", "12", 30, "腊八节", kLunarDayColour, 337, 246},
      {"2022", "10", 1, "国庆节", kHolidayColour, 401, 30},
      {"2023", "1", 22, "春节", kHolidayColour, 23, 192},  // lunar new year's day, no month name
      {"2023", "1", 21, "三十", kDayNameColour, 410, 138},
  };
  for (const Expected& e : cases) {
    Show(e.year, e.month);
    ExpectAnnotation(*this, e, Annotation(e.day));
  }
}

// Mended: a text that would start left of the canvas or end past its right edge moves
// just inside it.
TEST_F(DayAnnotation, StaysInsideTheCanvas) {
  const Expected cases[] = {
      // Sunday: 38 - 3 * 17 = -13 would cut off its first pixels.
      {"2018", "7", 1, "香港回归中共诞辰", kGregorianDayColour, 0, 30},
      // Saturday: 422 - 3 * 15 = 377 would end at 461.
      {"2020", "12", 5, "国际志愿人员日", kGregorianDayColour, 440 - 84, 30},
      // Saturday: 422 - 3 * 8 = 398 would end at 446.
      {"2021", "12", 4, "十一月大", kMonthStartColour, 440 - 48, 30},
      // Sunday, but fits: 38 - 3 * 7 = 17.
      {"2023", "10", 1, "国庆节", kHolidayColour, 17, 30},
  };
  for (const Expected& e : cases) {
    Show(e.year, e.month);
    ExpectAnnotation(*this, e, Annotation(e.day));
  }
}

// Fails until the solar-term table is in place.
TEST_F(DayAnnotation, SolarTermWinsOverTheFestival) {
  Show("2022", "6");
  ExpectAnnotation(*this, {"2022", "6", 6, "芒种", kTermColour, 90, 84}, Annotation(6));
}

}  // namespace
}  // namespace app
