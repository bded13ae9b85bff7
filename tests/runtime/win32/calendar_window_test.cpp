// The calendar's real window on the Windows backend, driven with real messages: typed
// characters, arrow clicks, Tab, activation, repaint, Esc and the close button. The clock
// stands at 15 December 2022, the day the month fixtures of the calendar's own tests mark.
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
#include "runtime/properties.h"
#include "runtime/runtime.h"
#include "runtime/win32/message_loop.h"
#include "runtime/win32/wide_text.h"

namespace runtime::win32 {
namespace {

using namespace app;

constexpr Colour kCyan = 0xFFFF00;
constexpr Colour kRed = 0x0000FF;
constexpr Colour kBlack = 0x000000;

// Day numbers of December 2022 (1st on a Thursday, rows of 54 pixels): where each is drawn.
struct DayCell {
  int x, y;
};
DayCell December2022(int day) {
  const int column = (4 + day - 1) % 7;
  const int row = (4 + day - 1) / 7;
  return {38 + 64 * column - (day < 10 ? 8 : 16), row * 54};
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::wstring WindowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), length + 1)));
  return text;
}

class Win32CalendarWindow : public testing::Test {
 protected:
  Win32CalendarWindow() { FixClock(MakeDateValue(2022, 12, 15, 9, 30, 0)); }

  void SetUp() override {
    window_ = &runtime_.LoadWindow(kCalendarWindowDefinition);
    handle_ = native().handle();
    ProcessPendingMessages();
  }

  TeeHost& tee() { return TeeHostOf(*window_); }
  Win32WindowHost& native() { return tee().native(); }
  HWND Control(std::int32_t number) { return native().ControlHandle(number); }
  const GdiSurface& image() { return *native().CanvasImage(画板1); }

  int Redraws() {
    int redraws = 0;
    for (std::int32_t label : tee().captions) redraws += label == 标签4;
    return redraws;
  }
  int Fills() {
    int fills = 0;
    for (const auto& op : tee().canvas().recording().ops()) fills += op.kind == headless::DrawOp::Kind::kFill;
    return fills;
  }
  std::wstring Header() { return WindowText(Control(标签4)); }

  // Pixels of a w x h cell of the canvas image that `is` picks.
  template <typename Pick>
  int CountWhere(int x, int y, int w, int h, Pick is) {
    int n = 0;
    for (int j = y; j < y + h; ++j) {
      for (int i = x; i < x + w; ++i) n += is(image().PixelAt(i, j));
    }
    return n;
  }
  int Count(Colour colour, int x, int y, int w, int h) {
    return CountWhere(x, y, w, h, [colour](Colour p) { return p == colour; });
  }

  void Type(HWND edit, const std::wstring& characters) {
    for (wchar_t c : characters) SendMessageW(edit, WM_CHAR, c, 1);
  }

  // A press and release on the upper or lower half of an arrow pair.
  void Click(HWND up_down, bool up) {
    RECT area;
    GetClientRect(up_down, &area);
    const LPARAM at = MAKELPARAM(area.right / 2, up ? area.bottom / 4 : area.bottom * 3 / 4);
    SendMessageW(up_down, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(up_down, WM_LBUTTONUP, 0, at);
    ProcessPendingMessages();
  }

  // Runs the event loop as the program does; a loop still running after 20 s is ended
  // by a failure.
  void RunUntilClosed() {
    const UINT_PTR watchdog = SetTimer(nullptr, 0, 20000, [](HWND, UINT, UINT_PTR, DWORD) {
      ADD_FAILURE() << "the event loop did not end";
      Runtime::Current()->backend().QuitEventLoop();
    });
    runtime_.Run();
    KillTimer(nullptr, watchdog);
  }

  std::pair<DWORD, DWORD> Selection(HWND edit) {
    DWORD start = 0, end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {start, end};
  }

  RecordingWin32Backend backend_;
  Runtime runtime_{backend_, {CalendarAssets(), nullptr}};
  Window* window_ = nullptr;
  HWND handle_ = nullptr;
};

// Fixed frame with caption, system menu and close button only; 462 x 380 centred on the
// primary screen by integer halves; its own taskbar button; both icons.
TEST_F(Win32CalendarWindow, OpensAsTheFixedCentredWindow) {
  EXPECT_TRUE(IsWindowVisible(handle_));
  EXPECT_EQ(WindowText(handle_), L"舟霁牌万年历");
  RECT outer;
  GetWindowRect(handle_, &outer);
  EXPECT_EQ(outer.right - outer.left, 462);
  EXPECT_EQ(outer.bottom - outer.top, 380);
  EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - 462) / 2);
  EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - 380) / 2);
  const LONG_PTR style = GetWindowLongPtrW(handle_, GWL_STYLE);
  EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU), WS_CAPTION | WS_SYSMENU);
  EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
  EXPECT_NE(GetWindowLongPtrW(handle_, GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);
  EXPECT_NE(SendMessageW(handle_, WM_GETICON, ICON_BIG, 0), 0);
  EXPECT_NE(SendMessageW(handle_, WM_GETICON, ICON_SMALL, 0), 0);

  HWND year = Control(编辑框1);
  EXPECT_NE(GetWindowLongPtrW(year, GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
  EXPECT_NE(GetWindowLongPtrW(year, GWL_STYLE) & ES_CENTER, 0);
  EXPECT_EQ(GetWindowLongPtrW(year, GWL_STYLE) & ES_NOHIDESEL, 0) << "selection hidden without focus";
  EXPECT_GE(SendMessageW(year, EM_GETLIMITTEXT, 0, 0), 0x7FFFFFFE) << "no length limit";
  RECT box, arrows;
  GetWindowRect(year, &box);
  GetWindowRect(native().UpDownHandle(编辑框1), &arrows);
  EXPECT_EQ(arrows.left, box.right);
  EXPECT_EQ(arrows.right - arrows.left, 18);
  EXPECT_EQ(arrows.top, box.top);
  EXPECT_EQ(arrows.bottom, box.bottom);
  RECT canvas;
  GetClientRect(Control(画板1), &canvas);
  EXPECT_EQ(canvas.right, 440);
  EXPECT_EQ(canvas.bottom, 280);
}

// Three redraws before the first paint, the first with the month box still empty; the
// boxes hold 2022 and 12, the focus is in the year box.
TEST_F(Win32CalendarWindow, StartsOnTodaysMonth) {
  EXPECT_EQ(Redraws(), 3);
  EXPECT_EQ(Fills(), 2) << "the first redraw only wrote the month message";
  EXPECT_EQ(WindowText(Control(编辑框1)), L"2022");
  EXPECT_EQ(WindowText(Control(编辑框2)), L"12");
  EXPECT_EQ(Header(), L"◆共和国73年◆ 农历 壬寅年〖虎〗");
  EXPECT_EQ(GetFocus(), Control(编辑框1));
}

// What the window drew is what the calendar draws on every backend: the recorded month
// equals the fixture that the headless tests of both builds compare with, with GDI
// measuring the texts.
TEST_F(Win32CalendarWindow, DrawsTheMonthOfTheSharedFixture) {
  std::ifstream file(std::string(WNL_APP_FIXTURES) + "/2022-12.txt", std::ios::binary);
  ASSERT_TRUE(file);
  std::stringstream fixture;
  fixture << file.rdbuf();

  const auto& ops = tee().canvas().recording().ops();
  std::size_t last_fill = 0;
  for (std::size_t i = 0; i < ops.size(); ++i) {
    if (ops[i].kind == headless::DrawOp::Kind::kFill) last_fill = i;
  }
  std::string drawn = "header " + headless::GbkToUtf8(GbkFromWide(Header())) + "\n";
  for (std::size_t i = last_fill; i < ops.size(); ++i) drawn += headless::PrintOp(ops[i]) + "\n";
  const auto want = Lines(fixture.str());
  const auto got = Lines(drawn);
  for (std::size_t i = 0; i < std::max(want.size(), got.size()); ++i) {
    EXPECT_EQ(i < got.size() ? got[i] : "(nothing)", i < want.size() ? want[i] : "(nothing)")
        << "line " << i + 1;
  }
}

// The pixels of the image: today on cyan, weekends red, weekdays black, the watermark.
TEST_F(Win32CalendarWindow, PaintsTodayOnCyanAndWeekendsInRed) {
  const DayCell today = December2022(15);
  EXPECT_GT(Count(kCyan, today.x, today.y, 26, 27), 150);
  EXPECT_EQ(Count(kCyan, 0, 0, 440, 280), Count(kCyan, today.x, today.y, 40, 30)) << "only today";
  for (int day : {3, 4, 10, 11, 31}) {
    const DayCell cell = December2022(day);
    EXPECT_GT(Count(kRed, cell.x, cell.y, 28, 28), 20) << "day " << day;
  }
  for (int day : {1, 2, 5, 30}) {
    const DayCell cell = December2022(day);
    EXPECT_GT(Count(kBlack, cell.x, cell.y, 28, 28), 20) << "day " << day;
    EXPECT_EQ(Count(kRed, cell.x, cell.y, 28, 28), 0) << "day " << day;
  }
  EXPECT_GT(Count(0xECECEC, 140, 0, 200, 90), 500) << "the year's watermark";
  // 大雪 on the 7th in blue, under its number.
  const DayCell snow = December2022(7);
  // The thin Song strokes are smoothed: count the pixels where blue stands out.
  const auto bluish = [](Colour p) {
    const int r = p & 0xFF, g = (p >> 8) & 0xFF, b = (p >> 16) & 0xFF;
    return b - std::max(r, g) >= 64;
  };
  EXPECT_GT(CountWhere(snow.x - 4, snow.y + 30, 30, 14, bluish), 10);
  EXPECT_EQ(CountWhere(December2022(8).x - 4, snow.y + 30, 30, 14, bluish), 0) << "十五 is black";
}

// Typing 1999 into the emptied year box: one redraw per change, and only the last
// draws; the three before it leave the year message and the canvas alone.
TEST_F(Win32CalendarWindow, TypingRedrawsOnEveryCharacter) {
  HWND year = Control(编辑框1);
  SetFocus(year);
  SendMessageW(year, EM_SETSEL, 0, -1);
  const int redraws = Redraws();
  const int fills = Fills();
  Type(year, L"\b");
  EXPECT_EQ(WindowText(year), L"");
  EXPECT_EQ(Header(), L"※※ 年份应在1902-2047之间 ※※");
  Type(year, L"199");
  EXPECT_EQ(Redraws(), redraws + 4);
  EXPECT_EQ(Fills(), fills);
  EXPECT_EQ(Header(), L"※※ 年份应在1902-2047之间 ※※");
  Type(year, L"9");
  EXPECT_EQ(Redraws(), redraws + 5);
  EXPECT_EQ(Fills(), fills + 1);
  EXPECT_EQ(WindowText(year), L"1999");
  EXPECT_EQ(ReadProperty(kCalendarWindow, 编辑框1, kPropertyText).AsText(), "1999");
  EXPECT_EQ(Header(), L"◆共和国50年◆ 农历 己卯年〖兔〗");
  EXPECT_EQ(Count(kCyan, 0, 0, 440, 280), 0) << "today is not in December 1999";
}

// An arrow click steps by the window runtime's rules (12 up wraps to 1), redraws once,
// selects the whole text and gives the box the focus; the native control's own position
// is not used.
TEST_F(Win32CalendarWindow, ArrowClicksStepAndWrap) {
  HWND month = Control(编辑框2);
  const int redraws = Redraws();
  Click(native().UpDownHandle(编辑框2), true);
  EXPECT_EQ(WindowText(month), L"1");
  EXPECT_EQ(Redraws(), redraws + 1);
  EXPECT_EQ(Header(), L"◆共和国73年◆ 农历 辛丑年〖牛〗");
  EXPECT_EQ(GetFocus(), month);
  EXPECT_EQ(Selection(month), std::make_pair(DWORD{0}, DWORD{1}));

  Click(native().UpDownHandle(编辑框2), false);
  EXPECT_EQ(WindowText(month), L"12");
  Click(native().UpDownHandle(编辑框1), false);
  EXPECT_EQ(WindowText(Control(编辑框1)), L"2021");
  EXPECT_EQ(GetFocus(), Control(编辑框1));
  EXPECT_EQ(Redraws(), redraws + 3);

  SetWindowTextW(Control(编辑框1), L"2047");
  Click(native().UpDownHandle(编辑框1), true);
  EXPECT_EQ(WindowText(Control(编辑框1)), L"1902") << "no thousands separator, the wrap of the range";
}

TEST_F(Win32CalendarWindow, TabMovesBetweenTheBoxes) {
  HWND year = Control(编辑框1);
  HWND month = Control(编辑框2);
  ASSERT_EQ(GetFocus(), year);
  PostMessageW(year, WM_KEYDOWN, VK_TAB, 1);
  ProcessPendingMessages();
  EXPECT_EQ(GetFocus(), month);
  EXPECT_EQ(Selection(month), std::make_pair(DWORD{0}, DWORD{2}));
  EXPECT_EQ(WindowText(month), L"12") << "the Tab is no character of the box";
  PostMessageW(month, WM_KEYDOWN, VK_TAB, 1);
  ProcessPendingMessages();
  EXPECT_EQ(GetFocus(), year);
}

// Another window takes the activation; coming back, the month box has the focus again.
TEST_F(Win32CalendarWindow, GivesTheFocusBackOnReactivation) {
  HWND month = Control(编辑框2);
  PostMessageW(Control(编辑框1), WM_KEYDOWN, VK_TAB, 1);
  ProcessPendingMessages();
  ASSERT_EQ(GetFocus(), month);
  HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100, 100,
                               nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  SetActiveWindow(other);
  ProcessPendingMessages();
  ASSERT_NE(GetActiveWindow(), handle_);
  SetActiveWindow(handle_);
  ProcessPendingMessages();
  EXPECT_EQ(GetFocus(), month);
  DestroyWindow(other);
}

// Covering and uncovering: the paint copies the image, the calendar is not asked again.
TEST_F(Win32CalendarWindow, RepaintOnlyCopiesTheImage) {
  const int redraws = Redraws();
  RedrawWindow(handle_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  EXPECT_EQ(Redraws(), redraws);
  HWND canvas = Control(画板1);
  HDC dc = GetDC(canvas);
  const DayCell today = December2022(15);
  for (const auto& [x, y] : {std::pair{today.x + 1, today.y + 1}, std::pair{0, 0}, std::pair{439, 279}}) {
    const COLORREF shown = GetPixel(dc, x, y);
    EXPECT_EQ(shown, image().PixelAt(x, y)) << x << "," << y;
  }
  ReleaseDC(canvas, dc);
}

TEST_F(Win32CalendarWindow, EscClosesTheWindowAndEndsTheLoop) {
  HWND year = Control(编辑框1);
  PostMessageW(year, WM_KEYDOWN, VK_ESCAPE, 1);
  RunUntilClosed();
  EXPECT_FALSE(runtime_.HasWindows());
  EXPECT_FALSE(IsWindow(handle_));
}

TEST_F(Win32CalendarWindow, CloseButtonClosesTheWindow) {
  PostMessageW(handle_, WM_SYSCOMMAND, SC_CLOSE, 0);
  RunUntilClosed();
  EXPECT_FALSE(runtime_.HasWindows());
  EXPECT_FALSE(IsWindow(handle_));
}

}  // namespace
}  // namespace runtime::win32
