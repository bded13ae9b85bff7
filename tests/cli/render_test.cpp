// wnl render run as a process: the PNG of the window and of its canvas, their sizes,
// the pixels that the Qt window's own screenshot test expects (navy band, red weekend
// numbers, cyan today, an annotation under every day), the picture it writes out of
// range, and at QT_SCALE_FACTOR=2 a layout in logical pixels with crisp day numbers.
//
// Built with UTF-8 literals: QImage's headers need <chrono>.
#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "wnl_process.h"

namespace cli_test {
namespace {

// Friday 17 May 2024: 1 May is a Wednesday, five rows of 54 pixels, the 17th in
// column 5 of the third row.
const std::vector<std::string> kMay2024 = {"render", "2024", "5", "--today", "2024-05-17"};
constexpr int kToday = 17;
constexpr int kFirstColumn = 3;
constexpr int kRowHeight = 54;
const QSize kClient(456, 351);
const QRect kCanvas(8, 64, 440, 280);

int ColumnOf(int day) { return (kFirstColumn + day - 1) % 7; }
int RowOf(int day) { return (kFirstColumn + day - 1) / 7; }
int CentreOf(int day) { return 38 + 64 * ColumnOf(day); }
// In the canvas's logical pixels: the cell of a day number (Arial 24 pixels bold), and
// the 12-pixel line of the annotation 30 pixels under the number's top.
QRect NumberCell(int day) {
  return QRect(CentreOf(day) - (day < 10 ? 8 : 16), RowOf(day) * kRowHeight, day < 10 ? 13 : 26, 27);
}
QRect AnnotationBand(int day) {
  return QRect(CentreOf(day) - 30, RowOf(day) * kRowHeight + 30, 60, 13).intersected(QRect(0, 0, 440, 280));
}
QRect Scaled(const QRect& r, int scale) { return QRect(r.topLeft() * scale, r.size() * scale); }

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
bool White(QRgb c) { return (c & 0xFFFFFF) == 0xFFFFFF; }
// Ink: neither the white ground nor the pale watermark.
bool Ink(QRgb c) { return qRed(c) + qGreen(c) + qBlue(c) < 3 * 0xD0; }

class Render : public testing::Test {
 protected:
  void SetUp() override {
    const auto* test = testing::UnitTest::GetInstance()->current_test_info();
    dir_ = std::filesystem::path(WNL_RENDER_DIR) / test->name();
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }

  std::string PathOf(const std::string& name) const { return (dir_ / name).string(); }

  // wnl render with these arguments and -o NAME; the picture it wrote, or a null image.
  QImage Run(std::vector<std::string> arguments, const std::string& name, int expected_status = 0,
             const std::vector<std::string>& environment = {}) {
    arguments.insert(arguments.end(), {"-o", PathOf(name)});
    last_ = RunWnl(arguments, "", environment);
    EXPECT_EQ(last_.status, expected_status) << last_.err;
    EXPECT_EQ(last_.out, "");
    return QImage(QString::fromStdString(PathOf(name))).convertToFormat(QImage::Format_RGB32);
  }

  std::filesystem::path dir_;
  Outcome last_;
};

TEST_F(Render, TheWindowShowsBandWeekendsTodayAndEveryAnnotation) {
  const QImage shot = Run(kMay2024, "window.png");
  ASSERT_EQ(shot.size(), kClient);

  EXPECT_TRUE(Navy(shot.pixel(10, 6)));    // the band, left of 公历
  EXPECT_TRUE(Navy(shot.pixel(446, 26)));  // and at its far end
  EXPECT_EQ(Count(shot, QRect(196, 4, 12, 24), Navy), 12 * 24);  // between 月 and the header
  for (int day = 1; day <= 31; ++day) {
    SCOPED_TRACE(day);
    const QRect number = NumberCell(day).translated(kCanvas.topLeft());
    const QRect annotation = AnnotationBand(day).translated(kCanvas.topLeft());
    const bool weekend = ColumnOf(day) == 0 || ColumnOf(day) == 6;
    const int red = Count(shot, number, Red);
    const int cyan = Count(shot, number, Cyan);
    if (weekend) {
      EXPECT_GT(red, 20);
    } else {
      EXPECT_EQ(red, 0);
    }
    if (day == kToday) {
      EXPECT_GT(cyan, 100);
    } else {
      EXPECT_EQ(cyan, 0);
    }
    EXPECT_GT(Count(shot, annotation, Ink), 10);
  }
}

TEST_F(Render, TheCanvasAloneIsThatPartOfTheWindow) {
  const QImage window = Run(kMay2024, "window.png");
  std::vector<std::string> canvas_only = kMay2024;
  canvas_only.push_back("--canvas");
  const QImage canvas = Run(canvas_only, "canvas.png");
  ASSERT_EQ(canvas.size(), kCanvas.size());
  EXPECT_EQ(canvas, window.copy(kCanvas));

  // The same bytes to standard output with -o -.
  canvas_only.insert(canvas_only.end(), {"-o", "-"});
  const Outcome piped = RunWnl(canvas_only);
  ASSERT_EQ(piped.status, 0) << piped.err;
  std::ifstream file(PathOf("canvas.png"), std::ios::binary);
  std::stringstream written;
  written << file.rdbuf();
  EXPECT_EQ(piped.out, written.str());
}

// Out of range the window shows its message and keeps the canvas it had: the picture is
// that window, the message goes to standard error, and the status is 1.
TEST_F(Render, OutOfRangeShowsTheMessageOverTheMonthDrawnBefore) {
  const QImage good = Run(kMay2024, "may.png");
  const QImage bad = Run({"render", "2024", "13", "--today", "2024-05-17"}, "month13.png", 1);
  EXPECT_NE(last_.err.find("※※ 月份数应在 1-12 之间　※※"), std::string::npos) << last_.err;
  ASSERT_EQ(bad.size(), kClient);
  EXPECT_EQ(bad.copy(kCanvas), good.copy(kCanvas));
  const QRect header(208, 5, 232, 22);
  EXPECT_NE(bad.copy(header), good.copy(header));

  // With the clock outside 1902..2047 the start-up never drew: a blank canvas.
  const QImage blank = Run({"render", "--today", "1850-06-01", "--canvas"}, "1850.png", 1);
  EXPECT_NE(last_.err.find("※※ 年份应在1902-2047之间 ※※"), std::string::npos) << last_.err;
  ASSERT_EQ(blank.size(), kCanvas.size());
  EXPECT_EQ(Count(blank, blank.rect(), White), 440 * 280);
}

TEST_F(Render, ErrorsSayWhatWentWrong) {
  Outcome run = RunWnl({"render", "2024", "5"});
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("--output is required"), std::string::npos) << run.err;

  const std::string nowhere = PathOf("no-such-folder/x.png");
  run = RunWnl({"render", "2024", "5", "-o", nowhere});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("cannot write " + nowhere), std::string::npos) << run.err;
  EXPECT_FALSE(std::filesystem::exists(nowhere));
}

// A day number's ink: fully inked pixels, anti-aliased edge pixels between ink and
// ground, and the ink's bounding box. Darkness is 255 minus the smallest channel, so red
// and black count alike and the pale watermark (0xEC) counts as ground.
struct NumberInk {
  int full = 0;
  int edge = 0;
  QRect box;

  double ratio() const { return full == 0 ? 0.0 : double(edge) / full; }
  NumberInk& operator+=(const NumberInk& other) {
    full += other.full;
    edge += other.edge;
    return *this;
  }
};
NumberInk InkOf(const QImage& image, const QRect& area) {
  NumberInk ink;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      const QRgb c = image.pixel(x, y);
      const int darkness = 255 - std::min({qRed(c), qGreen(c), qBlue(c)});
      if (darkness < 64) continue;
      ink.box = ink.box.united(QRect(x, y, 1, 1));
      if (darkness > 191) {
        ++ink.full;
      } else {
        ++ink.edge;
      }
    }
  }
  return ink;
}

// At 200 % the window keeps its layout in logical pixels: every picture is twice as
// large, and the canvas sits at twice its offset. The day numbers are drawn at twice the
// resolution, not stretched: each has twice the extent, and its anti-aliased edge
// stays about one device pixel wide, so that edge pixels per inked pixel fall to about
// half of what they are at 100 %. A stretched picture keeps that ratio (pixel doubling)
// or raises it (smooth scaling).
TEST_F(Render, AtScaleTwoTheLayoutKeepsAndTheDayNumbersAreCrisp) {
  const std::vector<std::string> scale2 = {"QT_SCALE_FACTOR=2"};
  const QImage window = Run(kMay2024, "window@2.png", 0, scale2);
  ASSERT_EQ(window.size(), kClient * 2);
  std::vector<std::string> canvas_only = kMay2024;
  canvas_only.push_back("--canvas");
  const QImage sharp = Run(canvas_only, "canvas@2.png", 0, scale2);
  ASSERT_EQ(sharp.size(), kCanvas.size() * 2);
  EXPECT_EQ(window.copy(Scaled(kCanvas, 2)), sharp);
  EXPECT_TRUE(Navy(window.pixel(20, 12)));
  EXPECT_EQ(Count(window, Scaled(QRect(196, 4, 12, 24), 2), Navy), 4 * 12 * 24);

  const QImage plain = Run(canvas_only, "canvas@1.png");
  ASSERT_EQ(plain.size(), kCanvas.size());
  // The criterion itself tells a stretched picture: the scale-1 canvas doubled pixel
  // by pixel, or smoothly, keeps or raises the ratio.
  const QImage doubled = plain.scaled(plain.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
  const QImage smoothed = plain.scaled(plain.size() * 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  NumberInk one, two, twice, smooth;
  for (int day = 1; day <= 31; ++day) {
    if (day == kToday) continue;  // its cyan ground is no white one
    SCOPED_TRACE(day);
    const QRect cell = NumberCell(day).adjusted(-2, -2, 2, 2).intersected(QRect(QPoint(), kCanvas.size()));
    const NumberInk at1 = InkOf(plain, cell);
    const NumberInk at2 = InkOf(sharp, Scaled(cell, 2));
    ASSERT_FALSE(at1.box.isEmpty());
    EXPECT_NEAR(at2.box.width(), 2 * at1.box.width(), 3);
    EXPECT_NEAR(at2.box.height(), 2 * at1.box.height(), 3);
    EXPECT_NEAR(at2.box.left(), 2 * at1.box.left(), 3);
    EXPECT_NEAR(at2.box.top(), 2 * at1.box.top(), 3);
    one += at1, two += at2, twice += InkOf(doubled, Scaled(cell, 2)), smooth += InkOf(smoothed, Scaled(cell, 2));
  }
  RecordProperty("edge_ratio_at_1", std::to_string(one.ratio()));
  RecordProperty("edge_ratio_at_2", std::to_string(two.ratio()));
  RecordProperty("edge_ratio_doubled", std::to_string(twice.ratio()));
  RecordProperty("edge_ratio_smoothed", std::to_string(smooth.ratio()));
  EXPECT_GT(two.full, 3 * one.full);
  EXPECT_LT(two.ratio(), 0.75 * one.ratio())
      << "edge pixels per inked pixel: " << one.ratio() << " at 100 %, " << two.ratio() << " at 200 %";
  EXPECT_GE(twice.ratio(), 0.75 * one.ratio());
  EXPECT_GE(smooth.ratio(), 0.75 * one.ratio());
}

}  // namespace
}  // namespace cli_test
