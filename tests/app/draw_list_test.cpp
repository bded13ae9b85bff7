// Whole months drawn op by op, against recorded fixtures (tests/app/fixtures/*.txt, one
// canvas operation per line as the headless surface prints them). Set
// WNL_UPDATE_FIXTURES=1 to rewrite a fixture after a deliberate change, then review the
// diff.
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "calendar_fixture.h"
#include "runtime/headless/gbk_to_utf8.h"

namespace app {
namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

class MonthDrawList : public CalendarTest {
 protected:
  void ExpectFixture(const char* year, const char* month, const std::string& name) {
    Show(year, month);
    const std::string drawn =
        "header " + runtime::headless::GbkToUtf8(Header()) + "\n" + canvas().Print();
    const std::string path = std::string(WNL_TEST_DATA) + "/fixtures/" + name;
    if (std::getenv("WNL_UPDATE_FIXTURES") != nullptr) {
      std::ofstream(path, std::ios::binary) << drawn;
    }
    std::ifstream file(path, std::ios::binary);
    ASSERT_TRUE(file) << path;
    std::stringstream fixture;
    fixture << file.rdbuf();
    const auto want = Lines(fixture.str());
    const auto got = Lines(drawn);
    for (std::size_t i = 0; i < std::max(want.size(), got.size()); ++i) {
      EXPECT_EQ(i < got.size() ? got[i] : "(nothing)", i < want.size() ? want[i] : "(nothing)")
          << name << " line " << i + 1;
    }
  }
};

// The fixtures hold each month's two solar terms, so these fail until the solar-term
// table is in place.

// Five rows; today, 15 December 2022, on a cyan ground; 十二月大 and 腊八节.
TEST_F(MonthDrawList, December2022) { ExpectFixture("2022", "12", "2022-12.txt"); }

// Four rows of 67 pixels; 小年, 情人节, and 春节 on three days, of which the second is 雨水.
TEST_F(MonthDrawList, February2026) { ExpectFixture("2026", "2", "2026-02.txt"); }

// Six rows of 45 pixels; 国庆节 from column 6 round to column 1; 重阳节; 十月大.
TEST_F(MonthDrawList, October2022) { ExpectFixture("2022", "10", "2022-10.txt"); }

}  // namespace
}  // namespace app
