// Runs the built wnl as a process and captures what it does.
#pragma once

#include <string>
#include <vector>

namespace cli_test {

struct Outcome {
  int status = -1;  // the exit status, or -1 when the process did not exit by itself
  std::string out;
  std::string err;
};

// wnl with these arguments, `input` on standard input and pipes for the outputs, in the
// environment of the test without NO_COLOR, plus `environment` ("NAME=value" each).
Outcome RunWnl(const std::vector<std::string>& arguments, const std::string& input = "",
           const std::vector<std::string>& environment = {});

// The same with standard output and standard error on one pseudo-terminal (TERM=xterm),
// read into `out`.
Outcome RunWnlOnTerminal(const std::vector<std::string>& arguments,
                     const std::vector<std::string>& environment = {});

// A UTF-8 literal as the bytes wnl prints (ordinary literals here are GBK).
inline std::string U8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

// The lines of a text, each without its line feed.
std::vector<std::string> Lines(const std::string& text);

}  // namespace cli_test
