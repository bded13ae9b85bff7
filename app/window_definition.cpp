#include "app/window_definition.h"

#include "app/handlers.h"

namespace app {
namespace {

using runtime::Alignment;
using runtime::Border;
using runtime::ControlDefinition;
using runtime::ControlKind;
using runtime::EventBinding;
using runtime::FontSpec;

constexpr runtime::Colour kNavy = 0x800000;
constexpr runtime::Colour kWhite = 0xFFFFFF;
constexpr runtime::Colour kBlack = 0x000000;
constexpr runtime::Colour kRed = 0x0000FF;
constexpr runtime::Colour kYellow = 0x00FFFF;
constexpr runtime::Colour kLightGrey = 0xDCDCDC;

constexpr FontSpec kSong14 = {"宋体", 14, 400};
constexpr FontSpec kArial16 = {"Arial", 16, 400};
constexpr FontSpec kInterface = {};

constexpr EventBinding kWindowEvents[] = {{runtime::kEventCreated, OnWindowCreated}};
constexpr EventBinding kYearEvents[] = {{runtime::kEventTextChanged, OnYearTextChanged}};
constexpr EventBinding kMonthEvents[] = {{runtime::kEventTextChanged, OnMonthTextChanged}};

// A caption on the navy band, white and left-aligned.
constexpr ControlDefinition BandLabel(const char* name, std::int32_t number, std::int32_t left,
                                      std::int32_t width, const char* text) {
  return {.name = name, .kind = ControlKind::kLabel, .number = number, .container = 外形框1,
          .left = left, .top = 0, .width = width, .height = 24, .text = text,
          .text_colour = kWhite, .background = kNavy, .font = kSong14,
          .horizontal = Alignment::kStart, .vertical = Alignment::kCentre};
}

constexpr ControlDefinition EditBox(const char* name, std::int32_t number, std::int32_t left,
                                    std::int32_t width, runtime::UpDownRange range,
                                    std::span<const EventBinding> events) {
  return {.name = name, .kind = ControlKind::kEditBox, .number = number, .container = 外形框1,
          .left = left, .top = 1, .width = width, .height = 22, .tab_stop = true, .tab_order = 0,
          .text = "", .text_colour = kBlack, .background = kWhite, .font = kArial16,
          .horizontal = Alignment::kCentre, .vertical = Alignment::kCentre,
          .border = Border::kSunken, .up_down = range, .events = events};
}

// A weekday name on light grey; the weekend in red.
constexpr ControlDefinition Weekday(const char* name, std::int32_t number, std::int32_t column,
                                    const char* text) {
  return {.name = name, .kind = ControlKind::kLabel, .number = number, .container = 外形框2,
          .left = 64 * column, .top = 0, .width = 56, .height = 24, .text = text,
          .text_colour = column == 0 || column == 6 ? kRed : kBlack, .background = kLightGrey,
          .font = kInterface, .horizontal = Alignment::kCentre, .vertical = Alignment::kCentre};
}

constexpr ControlDefinition kControls[] = {
    {.name = "外形框1", .kind = ControlKind::kShapeBox, .number = 外形框1, .left = 8, .top = 4,
     .width = 440, .height = 24, .background = kNavy},
    BandLabel("标签1", 标签1, 8, 32, "公历"),
    EditBox("编辑框1", 编辑框1, 40, 48, {1902, 2047}, kYearEvents),
    BandLabel("标签2", 标签2, 108, 12, "年"),
    EditBox("编辑框2", 编辑框2, 132, 24, {1, 12}, kMonthEvents),
    BandLabel("标签3", 标签3, 176, 12, "月"),
    {.name = "标签4", .kind = ControlKind::kLabel, .number = 标签4, .container = 外形框1,
     .left = 200, .top = 1, .width = 232, .height = 22, .text = "", .text_colour = kYellow,
     .background = kNavy, .font = kSong14, .horizontal = Alignment::kCentre,
     .vertical = Alignment::kCentre},
    {.name = "外形框2", .kind = ControlKind::kShapeBox, .number = 外形框2, .left = 8, .top = 32,
     .width = 440, .height = 24, .background = kWhite},
    Weekday("标签5", 标签5, 0, "星期日"),
    Weekday("标签6", 标签6, 1, "星期一"),
    Weekday("标签7", 标签7, 2, "星期二"),
    Weekday("标签8", 标签8, 3, "星期三"),
    Weekday("标签9", 标签9, 4, "星期四"),
    Weekday("标签10", 标签10, 5, "星期五"),
    Weekday("标签11", 标签11, 6, "星期六"),
    {.name = "画板1", .kind = ControlKind::kCanvas, .number = 画板1, .left = 8, .top = 64,
     .width = kCanvasWidth, .height = kCanvasHeight, .text_colour = kBlack, .background = kWhite,
     .text_background = runtime::kTransparent, .font = {"Arial", 19, 700}},
};

}  // namespace

const runtime::WindowDefinition kCalendarWindowDefinition = {
    .number = kCalendarWindow,
    .title = "舟霁牌万年历",
    .outer_width = 462,
    .outer_height = 380,
    .stored_left = 50,
    .stored_top = 50,
    .centred = true,
    .resizable = false,
    .minimise_button = false,
    .maximise_button = false,
    .close_button = true,
    .movable = true,
    .taskbar_button = true,
    .always_on_top = false,
    .esc_closes = true,
    .background = kWhite,
    .icon = "wnl_window_icon",
    .sound = "wnl_sound_track",
    .sound_loops = true,
    .events = kWindowEvents,
    .controls = kControls,
};

}  // namespace app
