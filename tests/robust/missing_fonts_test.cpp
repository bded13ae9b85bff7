// The Qt window where neither 宋体's nor Arial's look-alikes are installed: this test
// runs with a fontconfig that knows only DejaVu (WNL_FONTS_CONF). The faces fall back to what fontconfig
// offers and nothing fails: every control stands at its place, the header line is
// right, and every day number starts at its grid position with its annotation under it
// (Chinese without a face of its own shows as empty boxes, still ink). Like the Qt
// backend, this file holds UTF-8 literals.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QImage>
#include <QTest>
#include <cstdlib>

#include "app/header_line.h"
#include "app/window_definition.h"
#include "runtime/clock.h"
#include "runtime/properties.h"
#include "runtime/qt/fonts.h"
#include "runtime/qt/gbk.h"
#include "runtime/qt/qt_backend.h"
#include "runtime/qt/window_host.h"
#include "runtime/runtime.h"
#include "runtime/window_geometry.h"

namespace {

// The fontconfig that knows only DejaVu, read when the Qt application starts.
runtime::Backend& QtBackend() {
  setenv("FONTCONFIG_FILE", WNL_FONTS_CONF, 1);
  static int argc = 1;
  static char name[] = "robust_missing_fonts_test";
  static char* argv[] = {name, nullptr};
  static runtime::Backend* backend = runtime::qt::MakeQtBackend(argc, argv).release();
  return *backend;
}

// Neither white ground nor the pale watermark.
bool Ink(QRgb c) { return qRed(c) + qGreen(c) + qBlue(c) < 3 * 0xD0; }

// The first column and row of ink in `area`, or (-1, -1).
QPoint FirstInk(const QImage& image, const QRect& area) {
  int left = -1, top = -1;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if (!image.rect().contains(x, y) || !Ink(image.pixel(x, y))) continue;
      if (left < 0 || x < left) left = x;
      if (top < 0) top = y;
    }
  }
  return {left, top};
}

TEST(MissingFonts, TheWindowFallsBackAndKeepsItsLayout) {
  runtime::Backend& backend = QtBackend();
  for (const char* face : {"宋体", "Arial"}) {
    const QString family = QFontInfo(runtime::qt::QtFont(runtime::Font{.face = runtime::qt::ToGbk(face), .height = 12})).family();
    EXPECT_FALSE(family.startsWith("AR PL") || family.startsWith("Liberation")) << face << " is " << family.toStdString();
  }

  // December 2022: the 1st on a Thursday, five rows of 54 pixels; today the 15th.
  runtime::FixClock(runtime::MakeDateValue(2022, 12, 15, 9, 30, 0));
  runtime::Runtime runtime(backend);
  runtime::Window& window = runtime.LoadWindow(app::kCalendarWindowDefinition);
  auto& host = runtime::qt::QtHostOf(window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(host.top_level()));

  for (const runtime::ControlDefinition& control : app::kCalendarWindowDefinition.controls) {
    EXPECT_EQ(host.WidgetOf(control.number)->geometry(),
              QRect(control.left, control.top, control.width, control.height)) << control.number;
    if (runtime::HasUpDown(control)) {
      const runtime::Rect pair = runtime::UpDownRect(control);
      const QRect up = host.ArrowOf(control.number, runtime::UpDownArrow::kUp)->geometry();
      const QRect down = host.ArrowOf(control.number, runtime::UpDownArrow::kDown)->geometry();
      EXPECT_EQ(up.united(down), QRect(pair.left, pair.top, pair.width, pair.height)) << control.number;
    }
  }
  app::LunarDate lunar;
  EXPECT_EQ(runtime::ReadProperty(app::kCalendarWindow, app::标签4, runtime::kPropertyText).AsText(),
            app::ComposeHeaderLine(2022, 20221201, lunar));

  const QImage& canvas = host.CanvasOf(app::画板1)->surface().image();
  for (int day = 1; day <= 31; ++day) {
    SCOPED_TRACE(day);
    const int column = (4 + day - 1) % 7, row = (4 + day - 1) / 7;
    const int x = 38 + 64 * column, y = 54 * row;
    const QPoint corner(day < 10 ? x - 8 : x - 16, y);
    // The number's ink starts just right of and below its corner, never left or above.
    const QPoint ink = FirstInk(canvas, QRect(x - 24, y, 48, 28));
    EXPECT_GE(ink.x(), corner.x());
    EXPECT_LE(ink.x(), corner.x() + 8);
    EXPECT_GE(ink.y(), corner.y());
    EXPECT_LE(ink.y(), corner.y() + 10);
    EXPECT_NE(FirstInk(canvas, QRect(x - 30, y + 30, 60, 14)).x(), -1) << "no annotation";
  }
}

}  // namespace
