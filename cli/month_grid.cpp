#include "cli/month_grid.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "cli/terminal.h"
#include "runtime/headless/gbk_to_utf8.h"
#include "runtime/numbers.h"

namespace cli {

using runtime::headless::DrawOp;
using runtime::headless::GbkToUtf8;

namespace {

struct Piece {
  std::string text;  // UTF-8, painted
  std::int32_t width = 0;
};

struct Day {
  std::size_t row = 0;
  std::size_t column = 0;
  Piece number;
  std::vector<Piece> annotation;  // one piece per line
};

std::size_t NearestColumn(const MonthDrawing& drawing, std::int32_t x) {
  std::size_t best = 0;
  for (std::size_t i = 1; i < drawing.weekdays.size(); ++i) {
    if (std::abs(drawing.weekdays[i].centre - x) < std::abs(drawing.weekdays[best].centre - x)) {
      best = i;
    }
  }
  return best;
}

Piece NumberPiece(const DrawOp& op, bool colour) {
  const std::string digits = GbkToUtf8(op.text);
  const bool today = op.background != runtime::kTransparent;
  if (today && !colour) return {"[" + digits + "]", DisplayWidth(digits) + 2};
  return {Paint(digits, op.colour, op.background, colour), DisplayWidth(digits)};
}

std::vector<Piece> AnnotationPieces(const DrawOp& op, bool colour) {
  std::vector<Piece> pieces;
  for (const std::string& line : WrapColumns(GbkToUtf8(op.text), kCellColumns)) {
    pieces.push_back({Paint(line, op.colour, op.background, colour), DisplayWidth(line)});
  }
  return pieces;
}

// The week's seven cells on one line, each piece centred in its cell.
std::string Line(const std::vector<const Piece*>& cells) {
  std::string line;
  for (std::size_t i = 0; i < cells.size(); ++i) {
    const Piece* piece = cells[i];
    const std::int32_t width = piece == nullptr ? 0 : piece->width;
    const std::int32_t left = width >= kCellColumns ? 0 : (kCellColumns - width) / 2;
    const std::int32_t right = width >= kCellColumns ? 0 : kCellColumns - width - left;
    line.append(static_cast<std::size_t>(left), ' ');
    if (piece != nullptr) line += piece->text;
    line.append(static_cast<std::size_t>(right), ' ');
    if (i + 1 < cells.size()) line.push_back(' ');
  }
  while (!line.empty() && line.back() == ' ') line.pop_back();
  return line + "\n";
}

std::vector<Day> Days(const MonthDrawing& drawing, bool colour) {
  std::vector<Day> days;
  std::vector<std::int32_t> row_tops;
  // The first write is the year's watermark; then each bold write is a day number and
  // the plain ones after it are that day's annotation.
  for (std::size_t i = 1; i < drawing.ops.size(); ++i) {
    const DrawOp& op = drawing.ops[i];
    if (op.font.bold()) {
      if (row_tops.empty() || row_tops.back() != op.y) row_tops.push_back(op.y);
      Day day;
      day.row = row_tops.size() - 1;
      day.column = NearestColumn(drawing, op.x);
      day.number = NumberPiece(op, colour);
      days.push_back(std::move(day));
    } else if (!days.empty()) {
      for (Piece& piece : AnnotationPieces(op, colour)) days.back().annotation.push_back(piece);
    }
  }
  return days;
}

}  // namespace

std::string FormatMonthGrid(const MonthDrawing& drawing, bool colour) {
  const auto number = [](const runtime::Text& box) {
    return std::to_string(runtime::TruncateToInt(runtime::ToNumber(box)));
  };
  std::string out = GbkToUtf8(drawing.band[0].text) + " " + number(drawing.year_box) + " " +
                    GbkToUtf8(drawing.band[1].text) + " " + number(drawing.month_box) + " " +
                    GbkToUtf8(drawing.band[2].text) + "  " +
                    Bold(GbkToUtf8(drawing.header), colour) + "\n\n";

  std::vector<Piece> names;
  for (const Label& label : drawing.weekdays) {
    const std::string name = GbkToUtf8(label.text);
    names.push_back({Paint(name, label.colour, runtime::kTransparent, colour), DisplayWidth(name)});
  }
  std::vector<const Piece*> cells(7, nullptr);
  for (std::size_t i = 0; i < 7; ++i) cells[i] = &names[i];
  out += Line(cells);

  const std::vector<Day> days = Days(drawing, colour);
  const std::size_t rows = days.empty() ? 0 : days.back().row + 1;
  for (std::size_t row = 0; row < rows; ++row) {
    out += "\n";
    std::size_t depth = 0;
    std::fill(cells.begin(), cells.end(), nullptr);
    for (const Day& day : days) {
      if (day.row != row) continue;
      cells[day.column] = &day.number;
      depth = std::max(depth, day.annotation.size());
    }
    out += Line(cells);
    for (std::size_t k = 0; k < depth; ++k) {
      std::fill(cells.begin(), cells.end(), nullptr);
      for (const Day& day : days) {
        if (day.row == row && k < day.annotation.size()) cells[day.column] = &day.annotation[k];
      }
      out += Line(cells);
    }
  }
  return out;
}

}  // namespace cli
