// The commands of wnl, each given its arguments as the command line wrote them (UTF-8);
// each checks them, writes its output and answers the exit status.
#pragma once

#include <optional>
#include <string>

namespace cli {

inline constexpr int kSuccess = 0;
inline constexpr int kNoAnswer = 1;    // the input is well formed but has no answer
inline constexpr int kUsageError = 2;  // the input is not what the command takes

using Argument = std::optional<std::string>;

// The month grid, or with `json` the draw list; the texts go into the boxes as typed.
int MonthCommand(const Argument& year, const Argument& month, bool json);

// The lunar date of a day (today without one), or of every day from `from` to `to`.
int LunarCommand(const Argument& from, const Argument& to, bool tsv);

// The Gregorian day of a lunar date; with `tsv`, `year` is "-" and the lunar dates come
// from standard input, one "YEAR MONTH DAY LEAP" a line.
int SolarCommand(const Argument& year, const Argument& month, const Argument& day, bool leap,
                 bool tsv);

// The 24 solar terms of a year (this year without one).
int TermsCommand(const Argument& year, bool tsv);

// A PNG of the calendar window showing the texts in its boxes, as the desktop paints it:
// the client area, or with `canvas_only` the canvas alone, written to `path` ("-" is
// standard output). Out of range the window as shown, with its message, and status 1.
//
// Qt takes longer to load than every other command takes to run, so wnl itself does
// not link it: its render hands the whole command line (`argv`, as main got it) to the
// program wnl-render, which is wnl built with Qt and runs the same command in-process.
// Builds without a desktop window say that they cannot draw.
int RenderCommand(char** argv, const Argument& year, const Argument& month,
                  const std::string& path, bool canvas_only);

}  // namespace cli
