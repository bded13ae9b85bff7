// The calendar window on the Qt backend, driven with QTest as a user drives it: start-up,
// an up-arrow click, a typed digit, a repaint, Esc; and a screenshot whose pixels must
// show the navy band, the red weekend numbers, today's cyan ground and an annotation
// under every day.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QImage>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <vector>

#include "app/assets.h"
#include "app/header_line.h"
#include "app/window_definition.h"
#include "qt_fixture.h"
#include "runtime/clock.h"
#include "runtime/properties.h"
#include "runtime/qt/gbk.h"
#include "runtime/qt/top_level_widget.h"
#include "runtime/qt/window_host.h"
#include "runtime/runtime.h"
#include "runtime/window_geometry.h"

namespace runtime::qt {
namespace {

using app::kCalendarWindow;

class Melody final : public SoundHook {
 public:
  Id Start(std::span<const std::uint8_t>, bool) override { return ++started; }
  void Stop(Id) override { ++stopped; }
  void StopAll() override { ++stopped_all; }
  int started = 0, stopped = 0, stopped_all = 0;
};

// Today is Friday 17 May 2024: 1 May is a Wednesday, so the month has 5 rows of 54
// pixels, and the 17th stands in column 5 of the third row.
constexpr int kToday = 17;
constexpr int kFirstColumn = 3;
constexpr int kRowHeight = 54;
constexpr QPoint kCanvasAt(8, 64);

int ColumnOf(int day) { return (kFirstColumn + day - 1) % 7; }
int RowOf(int day) { return (kFirstColumn + day - 1) / 7; }
int CentreOf(int day) { return 38 + 64 * ColumnOf(day); }
// The cell of a day number (Arial 24 pixels bold: two digits are 26 wide, 27 high).
QRect NumberCell(int day) {
  return QRect(CentreOf(day) - (day < 10 ? 8 : 16), RowOf(day) * kRowHeight, day < 10 ? 13 : 26, 27)
      .translated(kCanvasAt);
}
// Where the annotation goes: 30 pixels under the number's top, one 12-pixel line.
QRect AnnotationBand(int day) {
  return QRect(CentreOf(day) - 30, RowOf(day) * kRowHeight + 30, 60, 13)
      .intersected(QRect(0, 0, 440, 280))
      .translated(kCanvasAt);
}

int Count(const QImage& image, const QRect& area, bool (*match)(QRgb)) {
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) n += match(image.pixel(x, y));
  }
  return n;
}
bool Red(QRgb c) { return qRed(c) > 200 && qGreen(c) < 90 && qBlue(c) < 90; }
bool Cyan(QRgb c) { return qRed(c) == 0 && qGreen(c) == 255 && qBlue(c) == 255; }
bool Navy(QRgb c) { return qRed(c) == 0 && qGreen(c) == 0 && qBlue(c) == 0x80; }
// Ink: neither the white ground nor the pale watermark.
bool Ink(QRgb c) { return qRed(c) + qGreen(c) + qBlue(c) < 3 * 0xD0; }

class QtCalendarWindow : public testing::Test {
 protected:
  void SetUp() override {
    Backend& backend = TestBackend();
    FixClock(MakeDateValue(2024, 5, kToday, 8, 0, 0));
    runtime_ = std::make_unique<Runtime>(backend, RuntimeServices{app::CalendarAssets(), &melody_});
    window_ = &runtime_->LoadWindow(app::kCalendarWindowDefinition);
    host_ = &QtHostOf(*window_);
    ASSERT_TRUE(QTest::qWaitForWindowActive(host_->top_level()));
  }
  void TearDown() override {
    runtime_.reset();
    Settle();
  }

  QLineEdit* Box(std::int32_t box) { return static_cast<QLineEdit*>(host_->WidgetOf(box)); }
  int Fills() { return host_->CanvasOf(app::画板1)->surface().fills(); }
  QString Header() { return static_cast<LabelWidget*>(host_->WidgetOf(app::标签4))->caption(); }
  QString HeaderOf(int year, int month) {
    app::LunarDate lunar;
    return FromGbk(app::ComposeHeaderLine(year, year * 10000 + month * 100 + 1, lunar));
  }

  Melody melody_;
  std::unique_ptr<Runtime> runtime_;
  Window* window_ = nullptr;
  QtWindowHost* host_ = nullptr;
};

TEST_F(QtCalendarWindow, OpensCentredFixedWithTheCurrentMonthAndTheYearBoxFocused) {
  TopLevelWidget* top = host_->top_level();
  EXPECT_TRUE(top->isVisible());
  EXPECT_EQ(top->windowTitle(), QString::fromUtf8("舟霁牌万年历"));
  EXPECT_EQ(top->size(), QSize(456, 351));
  EXPECT_EQ(top->minimumSize(), top->maximumSize());
  const Qt::WindowFlags flags = top->windowFlags();
  EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowSystemMenuHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_FALSE(top->windowIcon().isNull());
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  const Point at = StartPosition(app::kCalendarWindowDefinition, screen.width(), screen.height());
  EXPECT_EQ(top->pos(), QPoint(at.x, at.y));

  EXPECT_EQ(Box(app::编辑框1)->text(), "2024");
  EXPECT_EQ(Box(app::编辑框2)->text(), "5");
  EXPECT_EQ(Header(), HeaderOf(2024, 5));
  EXPECT_EQ(Fills(), 2);  // the first of the three redraws met an empty month box
  EXPECT_EQ(melody_.started, 1);
  EXPECT_EQ(QApplication::focusWidget(), Box(app::编辑框1));
  EXPECT_EQ(window_->focused(), app::编辑框1);
}

TEST_F(QtCalendarWindow, AnUpArrowClickStepsTheYearRedrawsOnceAndSelectsIt) {
  QTest::mouseClick(host_->ArrowOf(app::编辑框1, UpDownArrow::kUp), Qt::LeftButton);
  EXPECT_EQ(Box(app::编辑框1)->text(), "2025");
  EXPECT_EQ(Box(app::编辑框1)->selectedText(), "2025");
  EXPECT_EQ(Fills(), 3);
  EXPECT_EQ(Header(), HeaderOf(2025, 5));
  QTest::mouseClick(host_->ArrowOf(app::编辑框2, UpDownArrow::kDown), Qt::LeftButton);
  EXPECT_EQ(Box(app::编辑框2)->text(), "4");
  EXPECT_EQ(QApplication::focusWidget(), Box(app::编辑框2));
}

TEST_F(QtCalendarWindow, TabThenATypedDigitReplacesTheMonth) {
  QTest::keyClick(Box(app::编辑框1), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), Box(app::编辑框2));
  EXPECT_EQ(Box(app::编辑框2)->selectedText(), "5");
  QTest::keyClick(Box(app::编辑框2), Qt::Key_6);
  EXPECT_EQ(Box(app::编辑框2)->text(), "6");
  EXPECT_EQ(Fills(), 3);
  EXPECT_EQ(Header(), HeaderOf(2024, 6));
  QTest::keyClick(Box(app::编辑框2), Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(QApplication::focusWidget(), Box(app::编辑框1));
}

TEST_F(QtCalendarWindow, ARepaintOnlyCopiesTheImage) {
  QWidget* canvas = host_->CanvasOf(app::画板1);
  const QImage before = canvas->grab().toImage();
  host_->top_level()->hide();
  host_->top_level()->show();
  host_->top_level()->repaint();
  EXPECT_EQ(Fills(), 2);
  EXPECT_EQ(canvas->grab().toImage(), before);
}

TEST_F(QtCalendarWindow, TheCloseButtonClosesTheWindowAndEndsTheEventLoop) {
  QTimer::singleShot(0, host_->top_level(), [top = host_->top_level()] { top->close(); });
  runtime_->Run();
  EXPECT_FALSE(runtime_->HasWindows());
  EXPECT_EQ(melody_.stopped, 1);
}

TEST_F(QtCalendarWindow, EscClosesTheWindowAndEndsTheEventLoop) {
  QPointer<TopLevelWidget> top = host_->top_level();
  QLineEdit* box = Box(app::编辑框1);
  QTimer::singleShot(0, box, [box] { QTest::keyClick(box, Qt::Key_Escape); });
  runtime_->Run();  // returns once the window is gone
  EXPECT_FALSE(runtime_->HasWindows());
  EXPECT_EQ(melody_.stopped, 1);
  EXPECT_GE(melody_.stopped_all, 1);
  Settle();
  EXPECT_TRUE(top.isNull());
}

TEST_F(QtCalendarWindow, TheScreenshotShowsBandWeekendsTodayAndEveryAnnotation) {
  const QImage shot = host_->top_level()->grab().toImage().convertToFormat(QImage::Format_RGB32);
  shot.save(QStringLiteral(WNL_SHOT_DIR "/qt_calendar_window_%1.png").arg(QGuiApplication::platformName()));
  ASSERT_EQ(shot.size(), QSize(456, 351));

  EXPECT_TRUE(Navy(shot.pixel(10, 6)));    // the band, left of 公历
  EXPECT_TRUE(Navy(shot.pixel(446, 26)));  // and at its far end
  const QRect gap(196, 4, 12, 24);  // between 月 and the header line
  EXPECT_EQ(Count(shot, gap, Navy), 12 * 24);
  for (int day = 1; day <= 31; ++day) {
    SCOPED_TRACE(day);
    const bool weekend = ColumnOf(day) == 0 || ColumnOf(day) == 6;
    const int red = Count(shot, NumberCell(day), Red);
    if (weekend) {
      EXPECT_GT(red, 20);
    } else {
      EXPECT_EQ(red, 0);
    }
    const int cyan = Count(shot, NumberCell(day), Cyan);
    if (day == kToday) {
      EXPECT_GT(cyan, 100);
    } else {
      EXPECT_EQ(cyan, 0);
    }
    EXPECT_GT(Count(shot, AnnotationBand(day), Ink), 10);
    EXPECT_EQ(Count(shot, AnnotationBand(day), Cyan), 0);
  }
  EXPECT_TRUE(Cyan(shot.pixel(NumberCell(kToday).topLeft())));
}

}  // namespace
}  // namespace runtime::qt
