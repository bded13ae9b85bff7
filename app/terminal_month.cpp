#include "app/terminal_month.h"

#include <map>
#include <string>
#include <vector>

#include "app/window_definition.h"
#include "runtime/headless/gbk_to_utf8.h"
#include "runtime/headless/headless_backend.h"
#include "runtime/properties.h"
#include "runtime/runtime.h"

namespace app {
namespace {

using runtime::Text;
using runtime::headless::DrawOp;

// Every cell is this many terminal columns wide; a GBK byte takes one column.
constexpr std::size_t kCell = 10;
constexpr std::int32_t kColumnPitch = 64;

// The first `bytes` bytes of a GBK text, not splitting a character.
Text Cut(const Text& gbk, std::size_t bytes) {
  std::size_t i = 0;
  while (i < gbk.size()) {
    const std::size_t n = static_cast<unsigned char>(gbk[i]) >= 0x81 && i + 1 < gbk.size() ? 2 : 1;
    if (i + n > bytes) break;
    i += n;
  }
  return gbk.substr(0, i);
}

Text Centred(const Text& gbk) {
  const Text text = Cut(gbk, kCell - 2);
  const std::size_t left = (kCell - text.size()) / 2;
  return Text(left, ' ') + text + Text(kCell - left - text.size(), ' ');
}

Text Caption(std::int32_t control) {
  return runtime::ReadProperty(kCalendarWindow, control, runtime::kPropertyText).AsText();
}

void Put(std::FILE* out, const Text& gbk) {
  const std::string line = runtime::headless::GbkToUtf8(gbk) + "\n";
  std::fwrite(line.data(), 1, line.size(), out);
}

}  // namespace

void PrintCurrentMonth(std::FILE* out) {
  runtime::headless::HeadlessBackend backend;
  runtime::Runtime runtime(backend);
  runtime::Window& window = runtime.LoadWindow(kCalendarWindowDefinition);
  const auto& ops = runtime::headless::HeadlessHostOf(window).Recording(画板1)->ops();

  Put(out, Caption(标签1) + " " + Caption(编辑框1) + " " + Caption(标签2) + " " + Caption(编辑框2) +
               " " + Caption(标签3) + "   " + Caption(标签4));
  Text names;
  for (std::int32_t label : {标签5, 标签6, 标签7, 标签8, 标签9, 标签10, 标签11}) names += Centred(Caption(label));
  Put(out, "");
  Put(out, names);

  // The last redraw: after its fill come the watermark, then each day's number and its
  // annotation.
  std::size_t start = ops.size();
  for (std::size_t i = 0; i < ops.size(); ++i) {
    if (ops[i].kind == DrawOp::Kind::kFill) start = i + 2;
  }
  struct Row {
    Text numbers = Text(7 * kCell, ' ');
    Text notes = Text(7 * kCell, ' ');
  };
  std::map<std::int32_t, Row> rows;  // by the row's top
  for (std::size_t i = start; i + 1 < ops.size(); i += 2) {
    const DrawOp& number = ops[i];
    // Day numbers stand 8 or 16 pixels left of their column's centre line, 38 + 64 x column.
    const std::size_t column = static_cast<std::size_t>((number.x + 26) / kColumnPitch);
    if (column > 6) continue;
    Row& row = rows[number.y];
    const Text day = number.background == runtime::kTransparent ? number.text : "[" + number.text + "]";
    row.numbers.replace(column * kCell, kCell, Centred(day));
    row.notes.replace(column * kCell, kCell, Centred(ops[i + 1].text));
  }
  for (const auto& [top, row] : rows) {
    Put(out, row.numbers);
    Put(out, row.notes);
  }
}

}  // namespace app
