#include "cli/month_json.h"

#include <nlohmann/json.hpp>

#include "runtime/headless/gbk_to_utf8.h"

namespace cli {

using runtime::headless::GbkToUtf8;

std::string FormatMonthJson(const MonthDrawing& drawing) {
  nlohmann::ordered_json ops = nlohmann::ordered_json::array();
  for (const runtime::headless::DrawOp& op : drawing.ops) {
    ops.push_back({{"x", op.x},
                   {"y", op.y},
                   {"text", GbkToUtf8(op.text)},
                   {"color", op.colour},
                   {"background", op.background},
                   {"font",
                    {{"face", GbkToUtf8(op.font.face)},
                     {"size", op.font.points},
                     {"bold", op.font.bold()}}}});
  }
  nlohmann::ordered_json month;
  month["header"] = GbkToUtf8(drawing.header);
  month["cleared"] = drawing.cleared;
  month["ops"] = std::move(ops);
  // GbkToUtf8 gives well-formed UTF-8 already; replacing is the last guard.
  return month.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
}

}  // namespace cli
