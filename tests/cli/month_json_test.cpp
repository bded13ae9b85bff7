// wnl month --json: the redraw's draw list, op for op what the month view's own tests
// record, its exact form, and a JSON answer for any box text at all.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "wnl_process.h"

namespace cli_test {
namespace {

using nlohmann::json;

// An op in the form the headless surface prints (the month view's fixtures): sizes are
// pixels at 96 dpi there, points here.
std::string FixtureLine(const json& op) {
  const auto hex = [](std::uint32_t colour) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%06X", colour);
    return std::string(buffer);
  };
  const std::uint32_t background = op["background"];
  const int points = op["font"]["size"];
  return "text " + std::to_string(op["x"].get<int>()) + " " + std::to_string(op["y"].get<int>()) +
         " " + hex(op["color"]) + " on " + (background == 4278190080u ? "none" : hex(background)) +
         " \"" + op["font"]["face"].get<std::string>() + "\" " +
         std::to_string((points * 96 + 36) / 72) + "px " +
         (op["font"]["bold"].get<bool>() ? "700" : "400") + " \"" + op["text"].get<std::string>() +
         "\"";
}

std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

// The month view's fixtures were recorded with today fixed to 15 December 2022.
TEST(MonthJson, DrawListEqualsTheMonthViewFixtures) {
  for (const auto& [year, month, name] : std::vector<std::tuple<std::string, std::string, std::string>>{
           {"2022", "12", "2022-12.txt"}, {"2022", "10", "2022-10.txt"}, {"2026", "2", "2026-02.txt"}}) {
    const Outcome run = RunWnl({"month", "--json", year, month, "--today", "2022-12-15"});
    ASSERT_EQ(run.status, 0) << name;
    const json drawn = json::parse(run.out);
    const std::vector<std::string> fixture = Lines(ReadFile(std::string(WNL_APP_FIXTURES) + "/" + name));
    ASSERT_GE(fixture.size(), 2u) << name;
    EXPECT_EQ("header " + drawn["header"].get<std::string>(), fixture[0]);
    EXPECT_EQ(fixture[1], "fill 0xFFFFFF");
    EXPECT_TRUE(drawn["cleared"].get<bool>());
    ASSERT_EQ(drawn["ops"].size() + 2, fixture.size()) << name;
    for (std::size_t i = 0; i < drawn["ops"].size(); ++i) {
      EXPECT_EQ(FixtureLine(drawn["ops"][i]), fixture[i + 2]) << name << " op " << i;
    }
  }
}

TEST(MonthJson, ExactForm) {
  const Outcome run = RunWnl({"month", "--json", "2022", "12", "--today", "2022-12-15"});
  ASSERT_EQ(run.status, 0);
  EXPECT_EQ(run.out.rfind(U8(u8"{\"header\":\"◆共和国73年◆ 农历 壬寅年〖虎〗\",\"cleared\":true,\"ops\":["
                             u8"{\"x\":140,\"y\":0,\"text\":\"2022\",\"color\":15527148,"
                             u8"\"background\":4278190080,"
                             u8"\"font\":{\"face\":\"Arial\",\"size\":60,\"bold\":true}},"),
                         0),
            0u)
      << run.out.substr(0, 300);
  EXPECT_NE(run.out.find("{\"x\":278,\"y\":108,\"text\":\"15\",\"color\":0,\"background\":16776960,"
                         "\"font\":{\"face\":\"Arial\",\"size\":18,\"bold\":true}}"),
            std::string::npos);
  EXPECT_NE(run.out.find(U8(u8"{\"x\":282,\"y\":138,\"text\":\"廿二\",\"color\":0,"
                            u8"\"background\":4278190080,"
                            u8"\"font\":{\"face\":\"宋体\",\"size\":9,\"bold\":false}}")),
            std::string::npos);
  EXPECT_EQ(run.out.substr(run.out.size() - 3), "]}\n");
  EXPECT_EQ(run.out.find('\n'), run.out.size() - 1) << "one line";
}

TEST(MonthJson, OutOfRangeGivesTheMessageAndNoOps) {
  const Outcome year = RunWnl({"month", "--json", "1901", "13"});
  EXPECT_EQ(year.status, 1);
  EXPECT_EQ(year.out, U8(u8"{\"header\":\"※※ 年份应在1902-2047之间 ※※\",\"cleared\":false,\"ops\":[]}\n"));
  const Outcome month = RunWnl({"month", "--json", "2022", "0"});
  EXPECT_EQ(month.status, 1);
  EXPECT_EQ(month.out, U8(u8"{\"header\":\"※※ 月份数应在 1-12 之间　※※\",\"cleared\":false,\"ops\":[]}\n"));
}

// Every box text gets a well-formed JSON answer in UTF-8, whatever its bytes.
TEST(MonthJson, AnyBoxTextGivesJson) {
  const std::string huge_number(100000, '9');
  const std::string huge_text(100000, '\xA3');
  const struct {
    std::string year, month;
    int status;
  } cases[] = {
      {"", "", 1},
      {huge_number, "12", 1},
      {"2022", huge_number, 1},
      {huge_text, "1", 1},
      {"1e308", "1", 1},
      {"-2147483649", "1", 1},
      {"nan", "inf", 1},
      {"\xA3\xB2\xA3\xB0\xA3\xB2\xA3\xB2", "\xA3\xB1", 0},  // full-width digits typed as GBK
      {"2022\xFF\xFE\x80", "3\x81", 0},
      {"\xED\xA0\x80", "\xF4\x90\x80\x80", 1},                  // a surrogate, beyond U+10FFFF
      {U8(u8"２０２２年"), U8(u8"１２月"), 0},
      {"2022\x1b[31m", "12\"}", 0},
  };
  for (const auto& c : cases) {
    const Outcome run = RunWnl({"month", "--json", "--", c.year, c.month});
    EXPECT_EQ(run.status, c.status) << c.year.substr(0, 20) << " " << c.month.substr(0, 20);
    json parsed;
    EXPECT_NO_THROW(parsed = json::parse(run.out)) << run.out.substr(0, 200);
    EXPECT_EQ(parsed["cleared"].get<bool>(), c.status == 0);
    EXPECT_EQ(run.err, "");
  }
}

}  // namespace
}  // namespace cli_test
