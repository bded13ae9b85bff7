// What a terminal needs of the human outputs: UTF-8 texts measured in columns (an East
// Asian wide character takes two), and colours close to the window's, used only when
// standard output is a terminal and NO_COLOR is not set.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/colour.h"

namespace cli {

// True when `stream` is a terminal, NO_COLOR is unset or empty, and TERM is not "dumb".
bool ColourWanted(std::FILE* stream);

// Columns that a UTF-8 text takes: two for East Asian wide and full-width characters,
// one for every other character (ambiguous ones like ◆ and ※ included).
std::int32_t DisplayWidth(std::string_view utf8);

// The text cut into pieces of at most `columns` columns, never inside a character.
std::vector<std::string> WrapColumns(std::string_view utf8, std::int32_t columns);

// `utf8` in the window's text colour (black stays the terminal's own) and on the
// background colour (kTransparent: none), or unchanged when `colour` is false.
std::string Paint(std::string_view utf8, runtime::Colour text, runtime::Colour background,
                  bool colour);

// Bold, for the header line.
std::string Bold(std::string_view utf8, bool colour);

// Standard input and output pass bytes unchanged: on Windows they would otherwise turn
// line feeds into CR LF, and the TSV and JSON forms end their lines with LF alone.
void UseBinaryStreams();

void Write(std::FILE* stream, std::string_view bytes);

// "wnl: " + message + "\n" on standard error.
void Complain(std::string_view message);

}  // namespace cli
