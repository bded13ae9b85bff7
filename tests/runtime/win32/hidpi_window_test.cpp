// The calendar's real window on a screen of 192 dots per inch (200 %): this program runs
// in a wine prefix of its own whose display setting says so. The window keeps its layout
// in logical pixels, everything twice as large on the screen, and the canvas's image has
// the screen's pixels: its day numbers are drawn at twice the resolution, not stretched.
// The clock stands at 15 December 2022, as for the window's other tests.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/assets.h"
#include "app/window_definition.h"
#include "recording_backend.h"
#include "runtime/clock.h"
#include "runtime/headless/gbk_to_utf8.h"
#include "runtime/runtime.h"
#include "runtime/win32/dpi_scale.h"
#include "runtime/win32/message_loop.h"
#include "runtime/win32/wide_text.h"

namespace runtime::win32 {
namespace {

using namespace app;

constexpr int kScale = 2;

// The number of a day of December 2022 (1st on a Thursday, rows of 54 pixels, Arial 24
// pixels bold): its cell in the canvas's logical pixels, with a margin of 2.
RECT NumberCell(int day) {
  const int column = (4 + day - 1) % 7;
  const int row = (4 + day - 1) / 7;
  const int left = 38 + 64 * column - (day < 10 ? 8 : 16);
  return {left - 2, row * 54 - 2, left + (day < 10 ? 13 : 26) + 2, row * 54 + 27 + 2};
}
RECT Scaled(const RECT& r) { return {r.left * kScale, r.top * kScale, r.right * kScale, r.bottom * kScale}; }

std::wstring WindowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), length + 1)));
  return text;
}

LONG FontHeightOf(HWND control) {
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
  return font.lfHeight;
}

// An image as a function of its pixels, 0x00BBGGRR.
struct Picture {
  int width = 0, height = 0;
  std::vector<Colour> pixels;
  Colour At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

Picture PictureOf(const GdiSurface& surface) {
  Picture picture{surface.width(), surface.height(), {}};
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) picture.pixels.push_back(surface.PixelAt(x, y));
  }
  return picture;
}

int Channel(Colour c, int shift) { return static_cast<int>((c >> shift) & 0xFF); }

// The scale-1 picture made twice as large, pixel by pixel or by bilinear smoothing:
// what a stretched canvas would show.
Picture Doubled(const Picture& p, bool smooth) {
  Picture out{p.width * kScale, p.height * kScale, {}};
  for (int y = 0; y < out.height; ++y) {
    for (int x = 0; x < out.width; ++x) {
      if (!smooth) {
        out.pixels.push_back(p.At(x / kScale, y / kScale));
        continue;
      }
      const double sx = std::clamp((x + 0.5) / kScale - 0.5, 0.0, p.width - 1.0);
      const double sy = std::clamp((y + 0.5) / kScale - 0.5, 0.0, p.height - 1.0);
      const int x0 = static_cast<int>(sx), y0 = static_cast<int>(sy);
      const int x1 = std::min(x0 + 1, p.width - 1), y1 = std::min(y0 + 1, p.height - 1);
      const double fx = sx - x0, fy = sy - y0;
      Colour mixed = 0;
      for (int shift : {0, 8, 16}) {
        const double top = Channel(p.At(x0, y0), shift) * (1 - fx) + Channel(p.At(x1, y0), shift) * fx;
        const double bottom = Channel(p.At(x0, y1), shift) * (1 - fx) + Channel(p.At(x1, y1), shift) * fx;
        mixed |= static_cast<Colour>(top * (1 - fy) + bottom * fy + 0.5) << shift;
      }
      out.pixels.push_back(mixed);
    }
  }
  return out;
}

// A day number's ink: fully inked pixels, anti-aliased edge pixels between ink and
// ground, and the ink's bounding box. Darkness is 255 minus the smallest channel, so red
// and black count alike and the pale watermark (0xEC) counts as ground.
struct NumberInk {
  int full = 0;
  int edge = 0;
  RECT box{1 << 30, 1 << 30, -1, -1};  // inclusive

  bool empty() const { return box.right < 0; }
  int width() const { return box.right - box.left + 1; }
  int height() const { return box.bottom - box.top + 1; }
  double ratio() const { return full == 0 ? 0.0 : double(edge) / full; }
  NumberInk& operator+=(const NumberInk& other) {
    full += other.full;
    edge += other.edge;
    return *this;
  }
};
NumberInk InkOf(const Picture& picture, const RECT& area) {
  NumberInk ink;
  for (int y = std::max(0, int(area.top)); y < std::min(picture.height, int(area.bottom)); ++y) {
    for (int x = std::max(0, int(area.left)); x < std::min(picture.width, int(area.right)); ++x) {
      const Colour c = picture.At(x, y);
      const int darkness = 255 - std::min({Channel(c, 0), Channel(c, 8), Channel(c, 16)});
      if (darkness < 64) continue;
      ink.box = {std::min(ink.box.left, LONG(x)), std::min(ink.box.top, LONG(y)), std::max(ink.box.right, LONG(x)),
                 std::max(ink.box.bottom, LONG(y))};
      ++(darkness > 191 ? ink.full : ink.edge);
    }
  }
  return ink;
}

class Win32HiDpiWindow : public testing::Test {
 protected:
  Win32HiDpiWindow() { FixClock(MakeDateValue(2022, 12, 15, 9, 30, 0)); }

  void SetUp() override {
    ASSERT_EQ(SystemDpi(), 96 * kScale) << "this program runs in the prefix of 192 dots per inch";
    window_ = &runtime_.LoadWindow(kCalendarWindowDefinition);
    handle_ = native().handle();
    ProcessPendingMessages();
  }

  TeeHost& tee() { return TeeHostOf(*window_); }
  Win32WindowHost& native() { return tee().native(); }
  HWND Control(std::int32_t number) { return native().ControlHandle(number); }
  const GdiSurface& image() { return *native().CanvasImage(画板1); }

  // The operations of the month shown: from the last fill on.
  std::vector<headless::DrawOp> MonthShown() {
    const auto& ops = tee().canvas().recording().ops();
    std::size_t last_fill = 0;
    for (std::size_t i = 0; i < ops.size(); ++i) {
      if (ops[i].kind == headless::DrawOp::Kind::kFill) last_fill = i;
    }
    return {ops.begin() + static_cast<std::ptrdiff_t>(last_fill), ops.end()};
  }

  // A native window's place in the client area of the calendar window.
  RECT InClient(HWND control) {
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(HWND_DESKTOP, handle_, reinterpret_cast<POINT*>(&r), 2);
    return r;
  }
  // A control's place in logical pixels, its container's offset added.
  RECT Logical(const ControlDefinition& d) {
    RECT r{d.left, d.top, d.left + d.width, d.top + d.height};
    for (const ControlDefinition& box : kCalendarWindowDefinition.controls) {
      if (d.container != 0 && box.number == d.container) OffsetRect(&r, box.left, box.top);
    }
    return r;
  }

  RecordingWin32Backend backend_;
  Runtime runtime_{backend_, {CalendarAssets(), nullptr}};
  Window* window_ = nullptr;
  HWND handle_ = nullptr;
};

void ExpectRect(const RECT& got, const RECT& want, const char* what) {
  EXPECT_EQ(got.left, want.left) << what;
  EXPECT_EQ(got.top, want.top) << what;
  EXPECT_EQ(got.right, want.right) << what;
  EXPECT_EQ(got.bottom, want.bottom) << what;
}

// The outer size and every control's place and size are twice the logical ones, the
// window is centred with its scaled size, and the frame (the system's at 192) leaves a
// client area that holds the doubled layout. Font heights in pixels are doubled; the
// weekday names keep the system's interface font, which is already the screen's.
TEST_F(Win32HiDpiWindow, KeepsItsLayoutInLogicalPixels) {
  RECT outer;
  GetWindowRect(handle_, &outer);
  EXPECT_EQ(outer.right - outer.left, 462 * kScale);
  EXPECT_EQ(outer.bottom - outer.top, 380 * kScale);
  EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - 462 * kScale) / 2);
  EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - 380 * kScale) / 2);
  RECT client;
  GetClientRect(handle_, &client);
  EXPECT_GE(client.right, 448 * kScale);
  EXPECT_GE(client.bottom, 344 * kScale);

  for (const ControlDefinition& d : kCalendarWindowDefinition.controls) {
    ExpectRect(InClient(Control(d.number)), Scaled(Logical(d)), d.name);
  }
  for (std::int32_t box : {编辑框1, 编辑框2}) {
    const RECT edit = InClient(Control(box));
    const RECT arrows = InClient(native().UpDownHandle(box));
    ExpectRect(arrows, {edit.right, edit.top, edit.right + 18 * kScale, edit.bottom}, "arrows");
  }

  EXPECT_EQ(FontHeightOf(Control(编辑框1)), -16 * kScale);
  EXPECT_EQ(FontHeightOf(Control(编辑框2)), -16 * kScale);
  for (std::int32_t label : {标签1, 标签2, 标签3, 标签4}) EXPECT_EQ(FontHeightOf(Control(label)), -14 * kScale);
  for (std::int32_t label : {标签5, 标签8, 标签11}) {
    EXPECT_EQ(FontHeightOf(Control(label)), InterfaceLogFont().lfHeight);
  }

  RECT canvas;
  GetClientRect(Control(画板1), &canvas);
  EXPECT_EQ(canvas.right, 440 * kScale);
  EXPECT_EQ(canvas.bottom, 280 * kScale);
  EXPECT_EQ(image().width(), 440 * kScale);
  EXPECT_EQ(image().height(), 280 * kScale);
  EXPECT_EQ(image().VerticalDpi(), 96) << "points become logical pixels";
  // The screen shows the image pixel for pixel.
  HDC dc = GetDC(Control(画板1));
  const RECT today = Scaled(NumberCell(15));
  for (const POINT at : {POINT{439 * kScale + 1, 279 * kScale + 1}, POINT{today.left + 6, today.top + 6}}) {
    EXPECT_EQ(GetPixel(dc, at.x, at.y), image().PixelAt(at.x, at.y)) << at.x << "," << at.y;
  }
  ReleaseDC(Control(画板1), dc);
}

// The calendar's own coordinates and measures stay logical: the month it draws at 200 %
// is, operation for operation, the one of the shared fixture.
TEST_F(Win32HiDpiWindow, DrawsTheMonthOfTheSharedFixture) {
  std::ifstream file(std::string(WNL_APP_FIXTURES) + "/2022-12.txt", std::ios::binary);
  ASSERT_TRUE(file);
  std::stringstream fixture;
  fixture << file.rdbuf();
  std::string drawn = "header " + headless::GbkToUtf8(GbkFromWide(WindowText(Control(标签4)))) + "\n";
  for (const headless::DrawOp& op : MonthShown()) drawn += headless::PrintOp(op) + "\n";
  EXPECT_EQ(drawn, fixture.str());
}

// Each day number has twice the extent at twice the offset of the same number drawn at
// 100 % (the same operations on an image of 96 dots per inch), within 2 logical pixels:
// glyphs are fitted to the pixels at each size, so the ink of "30" in Arial bold is 24
// pixels wide at 24 pixels high and 51 at 48. Its anti-aliased edge stays about one
// pixel of the screen wide, so that edge pixels per inked pixel fall to about half. The
// criterion tells a stretched picture: the 100 % image doubled pixel by pixel, or
// smoothly, keeps or raises that ratio.
TEST_F(Win32HiDpiWindow, DrawsDayNumbersAtTwiceTheResolution) {
  GdiSurface plain(440, 280, 0xFFFFFF, 96);
  for (const headless::DrawOp& op : MonthShown()) {
    if (op.kind == headless::DrawOp::Kind::kFill) {
      plain.Fill(op.colour);
    } else {
      plain.DrawText(op.x, op.y, op.text, op.font, op.colour, op.background);
    }
  }
  const Picture at1 = PictureOf(plain);
  const Picture at2 = PictureOf(image());
  const Picture doubled = Doubled(at1, false);
  const Picture smoothed = Doubled(at1, true);
  NumberInk one, two, twice, smooth;
  for (int day = 1; day <= 31; ++day) {
    if (day == 15) continue;  // today: its cyan ground is no white one
    SCOPED_TRACE(day);
    const NumberInk small = InkOf(at1, NumberCell(day));
    const NumberInk large = InkOf(at2, Scaled(NumberCell(day)));
    ASSERT_FALSE(small.empty());
    ASSERT_FALSE(large.empty());
    EXPECT_NEAR(large.width(), kScale * small.width(), 4);
    EXPECT_NEAR(large.height(), kScale * small.height(), 4);
    EXPECT_NEAR(large.box.left, kScale * small.box.left, 4);
    EXPECT_NEAR(large.box.top, kScale * small.box.top, 4);
    one += small, two += large;
    twice += InkOf(doubled, Scaled(NumberCell(day)));
    smooth += InkOf(smoothed, Scaled(NumberCell(day)));
  }
  RecordProperty("edge_ratio_at_1", std::to_string(one.ratio()));
  RecordProperty("edge_ratio_at_2", std::to_string(two.ratio()));
  RecordProperty("edge_ratio_doubled", std::to_string(twice.ratio()));
  RecordProperty("edge_ratio_smoothed", std::to_string(smooth.ratio()));
  EXPECT_GT(two.full, 3 * one.full);
  EXPECT_LT(two.ratio(), 0.75 * one.ratio());
  EXPECT_GE(twice.ratio(), 0.75 * one.ratio());
  EXPECT_GE(smooth.ratio(), 0.75 * one.ratio());
}

}  // namespace
}  // namespace runtime::win32
