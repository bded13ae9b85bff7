#include "cli/terminal.h"

#include <cstdlib>
#include <cstring>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#else
#include <unistd.h>
#endif

namespace cli {
namespace {

// Decodes the character at `i` and moves past it; a byte that starts no well-formed
// character counts as one character of its own (it is shown as a replacement).
char32_t NextCharacter(std::string_view s, std::size_t& i) {
  const auto lead = static_cast<unsigned char>(s[i]);
  std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
  if (length == 0 || i + length > s.size()) {
    ++i;
    return 0xFFFD;
  }
  char32_t c = length == 1 ? lead : lead & (0x7F >> length);
  for (std::size_t k = 1; k < length; ++k) {
    const auto b = static_cast<unsigned char>(s[i + k]);
    if ((b & 0xC0) != 0x80) {
      ++i;
      return 0xFFFD;
    }
    c = (c << 6) | (b & 0x3F);
  }
  i += length;
  return c;
}

// East Asian Wide and Fullwidth blocks.
bool IsWide(char32_t c) {
  struct Range {
    char32_t first, last;
  };
  static constexpr Range kWide[] = {
      {0x1100, 0x115F}, {0x2E80, 0x303E}, {0x3041, 0x33FF}, {0x3400, 0x4DBF},
      {0x4E00, 0x9FFF}, {0xA000, 0xA4CF}, {0xAC00, 0xD7A3}, {0xF900, 0xFAFF},
      {0xFE30, 0xFE4F}, {0xFF00, 0xFF60}, {0xFFE0, 0xFFE6}, {0x1F300, 0x1F64F},
      {0x1F900, 0x1F9FF}, {0x20000, 0x2FFFD}, {0x30000, 0x3FFFD},
  };
  for (const Range& r : kWide) {
    if (c >= r.first && c <= r.last) return true;
  }
  return false;
}

std::int32_t Columns(char32_t c) { return IsWide(c) ? 2 : 1; }

// The nearest of the terminal's eight colours for the window's few, else the exact one.
std::string ForegroundCode(runtime::Colour colour) {
  switch (colour) {
    case 0x0000FF: return "31";  // red
    case 0x00FF00: return "32";  // green
    case 0x00FFFF: return "33";  // yellow
    case 0xFF0000: return "34";  // blue
    case 0xFF0090: return "35";  // violet
    case 0xFFFF00: return "36";  // cyan
  }
  const unsigned r = colour & 0xFF, g = (colour >> 8) & 0xFF, b = (colour >> 16) & 0xFF;
  return "38;2;" + std::to_string(r) + ";" + std::to_string(g) + ";" + std::to_string(b);
}

std::string BackgroundCode(runtime::Colour colour) {
  if (colour == 0xFFFF00) return "46";  // cyan, today's ground in the window
  const unsigned r = colour & 0xFF, g = (colour >> 8) & 0xFF, b = (colour >> 16) & 0xFF;
  return "48;2;" + std::to_string(r) + ";" + std::to_string(g) + ";" + std::to_string(b);
}

}  // namespace

bool ColourWanted(std::FILE* stream) {
  const char* no_colour = std::getenv("NO_COLOR");
  if (no_colour != nullptr && no_colour[0] != '\0') return false;
  const char* term = std::getenv("TERM");
  if (term != nullptr && std::strcmp(term, "dumb") == 0) return false;
#ifdef _WIN32
  return _isatty(_fileno(stream)) != 0;
#else
  return isatty(fileno(stream)) != 0;
#endif
}

std::int32_t DisplayWidth(std::string_view utf8) {
  std::int32_t width = 0;
  for (std::size_t i = 0; i < utf8.size();) width += Columns(NextCharacter(utf8, i));
  return width;
}

std::vector<std::string> WrapColumns(std::string_view utf8, std::int32_t columns) {
  std::vector<std::string> pieces;
  std::string piece;
  std::int32_t width = 0;
  for (std::size_t i = 0; i < utf8.size();) {
    const std::size_t start = i;
    const std::int32_t w = Columns(NextCharacter(utf8, i));
    if (width + w > columns && !piece.empty()) {
      pieces.push_back(std::move(piece));
      piece.clear();
      width = 0;
    }
    piece.append(utf8.substr(start, i - start));
    width += w;
  }
  if (!piece.empty()) pieces.push_back(std::move(piece));
  return pieces;
}

std::string Paint(std::string_view utf8, runtime::Colour text, runtime::Colour background,
                  bool colour) {
  if (!colour || utf8.empty()) return std::string(utf8);
  std::string codes;
  if (background != runtime::kTransparent) {
    // On a ground of its own, black is black whatever the terminal's text colour.
    codes = (text == 0 ? std::string("30") : ForegroundCode(text)) + ";" + BackgroundCode(background);
  } else if (text != 0) {
    codes = ForegroundCode(text);
  } else {
    return std::string(utf8);
  }
  return "\x1b[" + codes + "m" + std::string(utf8) + "\x1b[0m";
}

std::string Bold(std::string_view utf8, bool colour) {
  if (!colour) return std::string(utf8);
  return "\x1b[1m" + std::string(utf8) + "\x1b[0m";
}

void UseBinaryStreams() {
#ifdef _WIN32
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
#endif
}

void Write(std::FILE* stream, std::string_view bytes) {
  std::fwrite(bytes.data(), 1, bytes.size(), stream);
}

void Complain(std::string_view message) {
  std::string line = "wnl: ";
  line.append(message).push_back('\n');
  Write(stderr, line);
}

}  // namespace cli
