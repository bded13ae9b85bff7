// wnl: the calendar of 舟霁牌万年历 in a terminal and for scripts. The commands run the
// window's own code on the headless backend, but for render, which photographs the
// desktop window itself; this file only reads the command line.
//
// The program's texts are GBK like everywhere else; they leave as UTF-8 (GbkToUtf8) and
// box texts typed on the command line come in through Utf8ToGbk. The help texts below
// are ASCII or UTF-8 literals (u8"").
#include <CLI/CLI.hpp>

#include <string>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/terminal.h"
#include "runtime/clock.h"
#include "runtime/headless/headless_backend.h"
#include "runtime/runtime.h"

namespace {

using cli::Argument;

const char* Utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

constexpr char kTodayHelp[] = "Fix the clock to this day: today's mark and the defaults";

constexpr char kFooter[] =
    "Options may stand before or after the arguments; -- ends the options.\n"
    "Exit status: 0 done, 1 no answer (out of range, no such date), 2 usage error.";

// A positional argument that remembers whether it was given.
struct Positional {
  std::string text;
  CLI::Option* option = nullptr;

  Argument value() const { return option->count() > 0 ? Argument(text) : std::nullopt; }
};

// What a command's own --help tells after its options, then what all commands share.
void Describe(CLI::App& command, const char* text) {
  command.footer(std::string(text) + "\n\n" + kFooter);
}

void AddToday(CLI::App& command, std::string& today) {
  command.add_option("--today", today, kTodayHelp)->type_name("YYYY-MM-DD");
}

void AddPositional(CLI::App& command, Positional& p, const char* name, const char* help) {
  p.option = command.add_option(name, p.text, help)->type_name("");
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app(Utf8(u8"wnl: the perpetual calendar 舟霁牌万年历 in a terminal.\n"
                    u8"Without a command it shows this month, as 'wnl month'."),
               "wnl");
  app.set_version_flag("--version", "wnl " WNL_VERSION);
  app.require_subcommand(0, 1);
  app.footer(kFooter);
  app.failure_message([](const CLI::App*, const CLI::Error& e) {
    return "wnl: " + std::string(e.what()) + "\nRun 'wnl --help' for more information.\n";
  });
  std::string today;
  AddToday(app, today);

  CLI::App* month = app.add_subcommand("month", "The month grid, as the window draws it");
  bool month_json = false;
  Positional month_year;
  AddPositional(*month, month_year, "YEAR", "Text of the year box (1902-2047)");
  Positional month_month;
  AddPositional(*month, month_month, "MONTH", "Text of the month box (1-12)");
  month->add_flag("--json", month_json,
                  "Print the redraw as one JSON object: header, cleared, and every canvas write");
  AddToday(*month, today);
  Describe(*month,
           Utf8(u8"The header line, the weekday names, and each day's number over its solar\n"
                u8"term, festival or lunar day; today in brackets, or on cyan in a terminal.\n"
                u8"YEAR and MONTH go into the window's boxes as typed, so 2022, ２０２２ and\n"
                u8"2022年 all read 2022; without them the boxes keep today's year and month.\n"
                u8"Out of range, the window's message goes to standard error (with --json, it\n"
                u8"is the header) and the status is 1.\n"
                u8"Example: wnl month 2023 3"));

  CLI::App* lunar = app.add_subcommand("lunar", "The lunar date of a Gregorian day or a range");
  bool lunar_tsv = false;
  Positional lunar_from;
  AddPositional(*lunar, lunar_from, "DATE", "Gregorian day, YYYY-MM-DD (default: today)");
  Positional lunar_to;
  AddPositional(*lunar, lunar_to, "TO", "Last day of a range, YYYY-MM-DD");
  lunar->add_flag("--tsv", lunar_tsv,
                  "One line a day: YYYY-MM-DD TAB YEAR TAB MONTH TAB DAY TAB LEAP (0 or 1), or "
                  "YYYY-MM-DD TAB none");
  AddToday(*lunar, today);
  Describe(*lunar,
           Utf8(u8"Lines like '2023-03-22  癸卯年 闰二月初一', followed by the solar term and the\n"
                u8"festival of the day where there are any. The lunar calendar runs from\n"
                u8"1901-02-19 to 2048-12-31: a single day outside it has status 1, days of a\n"
                u8"range outside it read 'none'.\n"
                u8"Example: wnl lunar 2023-03-20 2023-03-25"));

  CLI::App* solar = app.add_subcommand("solar", "The Gregorian day of a lunar date");
  bool solar_leap = false;
  bool solar_tsv = false;
  Positional solar_year;
  AddPositional(*solar, solar_year, "YEAR", "Lunar year (or - with --tsv)");
  Positional solar_month;
  AddPositional(*solar, solar_month, "MONTH", "Lunar month, 1-12");
  Positional solar_day;
  AddPositional(*solar, solar_day, "DAY", "Lunar day, 1-30");
  solar->add_flag("--leap", solar_leap, "The day lies in the leap month after MONTH");
  solar->add_flag("--tsv", solar_tsv,
                  "Read lines 'YEAR MONTH DAY LEAP' from standard input (give -) and print "
                  "YYYY-MM-DD, or none, for each");
  AddToday(*solar, today);
  Describe(*solar,
           Utf8(u8"Prints the day as 'wnl lunar' does. A lunar date that does not exist (a day\n"
                u8"its month lacks, a leap month the year does not have) is reported on\n"
                u8"standard error with status 1.\n"
                u8"Examples: wnl solar 2023 2 1 --leap;  printf '2023 2 1 1\\n' | wnl solar --tsv -"));

  CLI::App* terms = app.add_subcommand("terms", "The 24 solar terms of a year");
  bool terms_tsv = false;
  Positional terms_year;
  AddPositional(*terms, terms_year, "YEAR", "Gregorian year, 1880-2079 (default: this year)");
  terms->add_flag("--tsv", terms_tsv, Utf8(u8"Lines K TAB NAME TAB MM-DD HH:MM:SS, K = 1 for 小寒"));
  AddToday(*terms, today);
  Describe(*terms,
           Utf8(u8"The moment at which each term begins, UTC+8 to the second, in term order\n"
                u8"from 小寒 to 冬至. Other years have status 1.\n"
                u8"Example: wnl terms 2024"));

  CLI::App* render = app.add_subcommand("render", "A PNG of the window showing a month");
  bool render_canvas = false;
  std::string render_file;
  Positional render_year;
  AddPositional(*render, render_year, "YEAR", "Text of the year box (1902-2047)");
  Positional render_month;
  AddPositional(*render, render_month, "MONTH", "Text of the month box (1-12)");
  render->add_option("-o,--output", render_file, "Where the PNG goes; - is standard output")
      ->type_name("FILE.png")
      ->required();
  render->add_flag("--canvas", render_canvas, "Only the month grid: the 440x280 canvas");
  AddToday(*render, today);
  Describe(*render,
           Utf8(u8"The calendar window itself, as the desktop paints it, drawn without a screen\n"
                u8"(Qt's offscreen platform, unless QT_QPA_PLATFORM names another). The picture\n"
                u8"is the window's client area, everything inside its frame: 456x351 pixels, or\n"
                u8"with --canvas the 440x280 month grid alone. QT_SCALE_FACTOR=2 doubles both.\n"
                u8"YEAR and MONTH go into the boxes as typed, as for 'wnl month'. Out of range,\n"
                u8"the picture shows the window with the message in its header and the month\n"
                u8"drawn before; the message goes to standard error and the status is 1, as it\n"
                u8"is when the file cannot be written.\n"
                u8"Example: wnl render 2024 2 -o february.png"));

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    return app.exit(e) == 0 ? cli::kSuccess : cli::kUsageError;
  }

  if (!today.empty()) {
    const std::optional<cli::CivilDay> day = cli::ParseDay(today);
    if (!day) {
      cli::Complain(cli::BadDayMessage("--today", today));
      return cli::kUsageError;
    }
    runtime::FixClock(cli::DateValueOf(*day));
  }

  // The one command that needs Qt; it makes its own runtime, on the Qt backend.
  if (render->parsed()) {
    return cli::RenderCommand(argv, render_year.value(), render_month.value(), render_file,
                              render_canvas);
  }

  cli::UseBinaryStreams();
  runtime::headless::HeadlessBackend backend;
  runtime::Runtime runtime(backend);
  if (lunar->parsed()) return cli::LunarCommand(lunar_from.value(), lunar_to.value(), lunar_tsv);
  if (solar->parsed()) {
    return cli::SolarCommand(solar_year.value(), solar_month.value(), solar_day.value(), solar_leap,
                             solar_tsv);
  }
  if (terms->parsed()) return cli::TermsCommand(terms_year.value(), terms_tsv);
  if (month->parsed()) return cli::MonthCommand(month_year.value(), month_month.value(), month_json);
  return cli::MonthCommand(std::nullopt, std::nullopt, false);
}
