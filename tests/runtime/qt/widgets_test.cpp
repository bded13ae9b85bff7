// The pieces of the Qt backend: texts across the GBK edge, the face mapping, the
// canvas image, the edit box's reports, and the fatal error box.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFontInfo>
#include <QInputMethodEvent>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <string>
#include <vector>

#include "qt_fixture.h"
#include "runtime/fatal.h"
#include "runtime/properties.h"
#include "runtime/qt/fonts.h"
#include "runtime/qt/gbk.h"
#include "runtime/qt/image_surface.h"
#include "runtime/qt/window_host.h"
#include "runtime/runtime.h"

namespace runtime::qt {
namespace {

TEST(QtGbk, ConvertsBothWaysAndMarksWhatDoesNotConvert) {
  const struct {
    const char* gbk;
    const char* utf8;
  } cases[] = {
      {"\xCB\xCE\xCC\xE5", "宋体"},           {"\xA1\xA1", "\u3000"},
      {"\x80", "€"},                           {"2024", "2024"},
      {"\xA1\xF9\xA1\xF9 \xC4\xEA", "※※ 年"}, {"", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FromGbk(c.gbk), QString::fromUtf8(c.utf8)) << c.utf8;
    EXPECT_EQ(ToGbk(QString::fromUtf8(c.utf8)), c.gbk) << c.utf8;
  }
  EXPECT_EQ(ToGbk(QString::fromUtf8("a•😀b")), "a??b");
  // Bytes that are no character are not dropped silently.
  EXPECT_EQ(FromGbk("\xCB"), QString(QChar::ReplacementCharacter));
  EXPECT_EQ(FromGbk("a\x81 b"), QString::fromUtf8("a\uFFFD b"));
}

TEST(QtFonts, SongAndArialMapToTheirInstalledLookAlikes) {
  TestBackend();
  const struct {
    const char* face;
    const char* family;
  } cases[] = {{"\xCB\xCE\xCC\xE5", "AR PL UMing CN"}, {"SimSun", "AR PL UMing CN"}, {"Arial", "Liberation Sans"}};
  for (const auto& c : cases) {
    Font font;
    font.face = c.face;
    font.height = 12;
    EXPECT_EQ(QFontInfo(QtFont(font)).family(), c.family) << c.family;
  }
  // SimSun-like: half-width digits and a 12-pixel line at 12 pixels.
  Font song;
  song.face = "\xCB\xCE\xCC\xE5";
  song.height = 12;
  const QFontMetrics metrics(QtFont(song));
  EXPECT_EQ(metrics.height(), 12);
  EXPECT_EQ(metrics.horizontalAdvance('2') * 2, metrics.horizontalAdvance(QString::fromUtf8("宋")));
}

// The top-most and left-most pixel that is not the ground.
QPoint InkCorner(const QImage& image, QRgb ground) {
  QPoint corner(image.width(), image.height());
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) != ground) {
        corner.setX(std::min(corner.x(), x));
        corner.setY(std::min(corner.y(), y));
      }
    }
  }
  return corner;
}

TEST(QtImageSurface, DrawsTextFromItsTopLeftCornerWithAnOpaqueOrClearCell) {
  TestBackend();
  ImageSurface surface(200, 100, 1.0, 96, 0xFFFFFF);
  Font arial;
  arial.face = "Arial";
  arial.height = 24;
  arial.weight = kBoldWeight;
  const TextExtent extent = surface.MeasureText("17", arial);
  const QFontMetrics metrics(QtFont(arial));
  EXPECT_EQ(extent, (TextExtent{metrics.horizontalAdvance("17"), 27}));  // Liberation Sans Bold
  EXPECT_NEAR(extent.width, 26, 1);

  surface.DrawText(50, 20, "17", arial, 0x000000, 0xFFFF00);
  const QImage& image = surface.image();
  // The cell is filled exactly: advance wide, one line high, from (50, 20).
  const int right = 50 + extent.width, bottom = 20 + extent.height;
  EXPECT_EQ(image.pixel(50, 20), qRgb(0, 255, 255));
  EXPECT_EQ(image.pixel(right - 1, bottom - 1), qRgb(0, 255, 255));
  EXPECT_EQ(image.pixel(49, 20), qRgb(255, 255, 255));
  EXPECT_EQ(image.pixel(50, 19), qRgb(255, 255, 255));
  EXPECT_EQ(image.pixel(right, 20), qRgb(255, 255, 255));
  EXPECT_EQ(image.pixel(50, bottom), qRgb(255, 255, 255));

  surface.Fill(0x0000FF);
  EXPECT_EQ(image.pixel(0, 0), qRgb(255, 0, 0));  // 0x00BBGGRR: red in the low byte
  surface.Fill(0xFFFFFF);
  surface.DrawText(50, 20, "1", arial, 0x000000, kTransparent);
  const QPoint corner = InkCorner(image, qRgb(255, 255, 255));
  // The glyph starts just right of x and a few pixels under y (the ascent holds some air
  // above the digits), never above or left of the point.
  EXPECT_GE(corner.x(), 50);
  EXPECT_LE(corner.x(), 54);
  EXPECT_GE(corner.y(), 20);
  EXPECT_LE(corner.y(), 26);
  EXPECT_EQ(surface.fills(), 2);
}

TEST(QtImageSurface, AScaledScreenGetsAnImageOfItsDevicePixels) {
  TestBackend();
  ImageSurface surface(440, 280, 2.0, 96, 0xFFFFFF);
  EXPECT_EQ(surface.image().size(), QSize(880, 560));
  Font arial;
  arial.face = "Arial";
  arial.height = 24;
  surface.DrawText(10, 10, "8", arial, 0x000000, 0xFFFF00);
  // Logical coordinates: the cell starts at device pixel 20 and is twice as large.
  EXPECT_EQ(surface.MeasureText("8", arial).height, 27);
  EXPECT_EQ(surface.image().pixel(20, 20), qRgb(0, 255, 255));
  EXPECT_EQ(surface.image().pixel(19, 20), qRgb(255, 255, 255));
  EXPECT_EQ(surface.image().pixel(20, 20 + 2 * 27 - 1), qRgb(0, 255, 255));
}

// A window of one edit box whose handler records each text it is told about.
std::vector<std::string> g_changes;
constexpr std::int32_t kWindow = 0x300, kBox = 0x1;
void OnChanged() { g_changes.push_back(ReadProperty(kWindow, kBox, kPropertyText).AsText()); }
constexpr EventBinding kBoxEvents[] = {{kEventTextChanged, OnChanged}};
constexpr ControlDefinition kControls[] = {
    {.name = "box", .kind = ControlKind::kEditBox, .number = kBox, .left = 10, .top = 10, .width = 100,
     .height = 22, .tab_stop = true, .font = {"Arial", 16, 400}, .border = Border::kSunken,
     .up_down = {1, 12}, .events = kBoxEvents},
};
constexpr WindowDefinition kDefinition = {.number = kWindow, .title = "t", .outer_width = 200,
                                          .outer_height = 100, .stored_left = 0, .stored_top = 0,
                                          .controls = kControls};

TEST(QtEditBox, EveryUserChangeIsReportedAndAProgramWriteOnce) {
  Runtime runtime(TestBackend());
  Window& window = runtime.LoadWindow(kDefinition);
  QtWindowHost& host = QtHostOf(window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(host.top_level()));
  auto* box = static_cast<QLineEdit*>(host.WidgetOf(kBox));
  g_changes.clear();

  QTest::keyClicks(box, "1999");
  QTest::keyClick(box, Qt::Key_Backspace);
  QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);  // undo
  box->selectAll();
  box->cut();
  box->paste();
  QInputMethodEvent chinese;  // 年, as an input method commits it
  chinese.setCommitString(QString::fromUtf8("年"));
  QApplication::sendEvent(box, &chinese);
  EXPECT_EQ(g_changes, (std::vector<std::string>{"1", "19", "199", "1999", "199", "1999", "", "1999",
                                                 "1999\xC4\xEA"}));

  g_changes.clear();
  WriteProperty(kWindow, kBox, kPropertyText, kWholeValue, "7");
  WriteProperty(kWindow, kBox, kPropertyText, kWholeValue, "7");
  EXPECT_EQ(g_changes, (std::vector<std::string>{"7", "7"}));
  EXPECT_EQ(box->text(), "7");

  // A held arrow repeats its click.
  g_changes.clear();
  ArrowButton* up = host.ArrowOf(kBox, UpDownArrow::kUp);
  QTest::mousePress(up, Qt::LeftButton);
  QTest::qWait(up->autoRepeatDelay() + 3 * up->autoRepeatInterval() + 50);
  QTest::mouseRelease(up, Qt::LeftButton);
  EXPECT_GE(g_changes.size(), 3u);
  EXPECT_EQ(g_changes.front(), "8");

  // A long paste is taken whole: the box has no length limit.
  QApplication::clipboard()->setText(QString(100000, QChar('9')));
  box->selectAll();
  box->paste();
  EXPECT_EQ(box->text().size(), 100000);
}

TEST(QtFatalDeathTest, ShowsTheErrorBoxThenEnds) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  const auto fail = [] {
    Runtime runtime(TestBackend());
    // Reads the box as a user would, then dismisses it.
    auto* poll = new QTimer();
    QObject::connect(poll, &QTimer::timeout, [poll] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr) return;
      poll->stop();
      std::fprintf(stderr, "[%s|%s|%d]", box->windowTitle().toUtf8().constData(),
                   box->text().toUtf8().constData(), box->icon() == QMessageBox::Critical);
      box->accept();
    });
    poll->start(10);
    FatalError("\xD4\xD8\xC8\xEB\xC6\xF4\xB6\xAF\xB4\xB0\xBF\xDA\xCA\xA7\xB0\xDC");  // 载入启动窗口失败
  };
  EXPECT_EXIT(fail(), testing::ExitedWithCode(1),
              "\\[错误\\|运行时出错!\n错误信息：载入启动窗口失败\\|1\\]");
}

}  // namespace
}  // namespace runtime::qt
