// The command line as a whole: help and version, where options may stand, what -- does,
// and the usage errors every command shares.
#include <gtest/gtest.h>

#include "wnl_process.h"

namespace cli_test {
namespace {

TEST(CommandLine, HelpForTheProgramAndEachCommand) {
  const struct {
    std::vector<std::string> arguments;
    std::string usage;
  } cases[] = {
      {{"--help"}, "Usage: wnl [OPTIONS] [SUBCOMMAND]"},
      {{"month", "--help"}, "Usage: wnl month [OPTIONS] [YEAR] [MONTH]"},
      {{"lunar", "-h"}, "Usage: wnl lunar [OPTIONS] [DATE] [TO]"},
      {{"solar", "--help"}, "Usage: wnl solar [OPTIONS] [YEAR] [MONTH] [DAY]"},
      {{"terms", "--help"}, "Usage: wnl terms [OPTIONS] [YEAR]"},
  };
  for (const auto& c : cases) {
    const Outcome run = RunWnl(c.arguments);
    EXPECT_EQ(run.status, 0) << c.usage;
    EXPECT_NE(run.out.find(c.usage), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("--today"), std::string::npos) << c.usage;
    EXPECT_EQ(run.err, "");
  }
}

TEST(CommandLine, VersionIsTheProjectVersion) {
  const Outcome run = RunWnl({"--version"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "wnl " WNL_VERSION "\n");
}

TEST(CommandLine, OptionsStandBeforeOrAfterTheArguments) {
  const Outcome reference = RunWnl({"month", "2022", "12", "--json", "--today", "2022-12-15"});
  ASSERT_EQ(reference.status, 0);
  for (const std::vector<std::string>& arguments : std::vector<std::vector<std::string>>{
           {"month", "--json", "--today", "2022-12-15", "2022", "12"},
           {"month", "2022", "--json", "12", "--today", "2022-12-15"},
           {"--today", "2022-12-15", "month", "--json", "2022", "12"},
           {"month", "--today=2022-12-15", "--json", "--", "2022", "12"},
       }) {
    const Outcome run = RunWnl(arguments);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, reference.out) << arguments[1];
  }
}

// After --, a box text may look like an option: "--json" is then only the year box's
// text, which the window reads as no number.
TEST(CommandLine, DoubleDashEndsTheOptions) {
  const Outcome run = RunWnl({"month", "--", "--json", "12"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, U8(u8"wnl: ※※ 年份应在1902-2047之间 ※※\n"));

  const Outcome negative = RunWnl({"month", "--json", "--", "-2022", "-12"});
  EXPECT_EQ(negative.status, 1);
  EXPECT_NE(negative.out.find(U8(u8"年份应在")), std::string::npos);
}

TEST(CommandLine, UsageErrorsExitWithTwoAndSayWhy) {
  const struct {
    std::vector<std::string> arguments;
    std::string says;
  } cases[] = {
      {{"bogus"}, "bogus"},
      {{"month", "--bogus"}, "--bogus"},
      {{"month", "2022", "12", "3"}, "3"},
      {{"--today", "2022-13-01"}, "--today: \"2022-13-01\" is not a day written YYYY-MM-DD"},
      {{"month", "--today", "15.12.2022"}, "--today: \"15.12.2022\""},
      {{"terms", "--today"}, "--today"},
      {{"lunar", "2022-1-1"}, "DATE: \"2022-1-1\" is not a day written YYYY-MM-DD"},
      {{"lunar", "20220101"}, "DATE: \"20220101\""},
      {{"lunar", "2022-02-29"}, "DATE: \"2022-02-29\""},
      {{"lunar", "0099-12-31"}, "DATE: \"0099-12-31\""},
      {{"lunar", "2022-02-01", "2022-02-31"}, "TO: \"2022-02-31\""},
      {{"lunar", "2022-02-03", "2022-02-01"}, "TO 2022-02-01 comes before DATE 2022-02-03"},
      {{"solar", "2023", "2"}, "solar needs YEAR MONTH DAY"},
      {{"solar", "2023", "2", "1st"}, "DAY: \"1st\" is not a whole number"},
      {{"solar", "--tsv"}, "give it only \"-\""},
      {{"solar", "--tsv", "2023", "2", "1"}, "give it only \"-\""},
      {{"terms", "MMXXIII"}, "YEAR: \"MMXXIII\" is not a whole number"},
  };
  for (const auto& c : cases) {
    const Outcome run = RunWnl(c.arguments);
    EXPECT_EQ(run.status, 2) << c.says;
    EXPECT_EQ(run.out, "") << c.says;
    EXPECT_EQ(run.err.rfind("wnl: ", 0), 0u) << run.err;
    EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
  }
}

}  // namespace
}  // namespace cli_test
