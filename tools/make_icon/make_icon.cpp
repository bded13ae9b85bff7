// Draws the calendar's window icon: a tear-off calendar page with a red header band,
// two binder rings, the character 历 in the band and a big day number on the page.
// Writes it as a 256 × 256 PNG (8-bit RGBA) and as an ICO whose one entry holds that PNG.
//
//   make_icon OUT.png OUT.ico [PREVIEW32.png]
#include <QBuffer>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kSize = 256;

// The page, in icon pixels.
constexpr qreal kPageLeft = 22, kPageTop = 34, kPageRight = 234, kPageBottom = 240;
constexpr qreal kPageRadius = 26;
constexpr qreal kBandBottom = 104;

const char* const kDigitFont = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
const char* const kHanFont = "/usr/share/fonts/truetype/arphic/uming.ttc";

// Loads a font file, so the result does not depend on the user's font configuration.
QString LoadFamily(const char* path, const char* fallback) {
  const int id = QFontDatabase::addApplicationFont(QString::fromUtf8(path));
  if (id >= 0 && !QFontDatabase::applicationFontFamilies(id).isEmpty()) {
    return QFontDatabase::applicationFontFamilies(id).first();
  }
  std::fprintf(stderr, "make_icon: %s not found, using %s\n", path, fallback);
  return QString::fromUtf8(fallback);
}

QPainterPath RoundedPage(qreal dx, qreal dy) {
  QPainterPath path;
  path.addRoundedRect(QRectF(kPageLeft + dx, kPageTop + dy, kPageRight - kPageLeft,
                             kPageBottom - kPageTop),
                      kPageRadius, kPageRadius);
  return path;
}

// A text outline centred on `centre`, sized by its own bounding box.
QPainterPath CentredText(const QString& text, const QFont& font, QPointF centre) {
  QPainterPath path;
  path.addText(0, 0, font, text);
  const QRectF box = path.boundingRect();
  path.translate(centre - box.center());
  return path;
}

void DrawShadow(QPainter& p) {
  // A soft shadow under the page: a few widening, fading copies of its outline.
  for (int i = 6; i >= 1; --i) {
    QPainterPath shadow = RoundedPage(0, 5);
    p.setPen(QPen(QColor(0, 0, 0, 10), i * 2.2));
    p.setBrush(QColor(0, 0, 0, 12));
    p.drawPath(shadow);
  }
}

void DrawPage(QPainter& p) {
  const QPainterPath page = RoundedPage(0, 0);

  // The sheet beneath, peeking out at the bottom: the pages still to come.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xd9, 0xd4, 0xcc));
  p.drawPath(page);

  QPainterPath sheet;
  sheet.addRoundedRect(QRectF(kPageLeft, kPageTop, kPageRight - kPageLeft,
                              kPageBottom - kPageTop - 7),
                       kPageRadius, kPageRadius);
  QLinearGradient paper(0, kBandBottom, 0, kPageBottom);
  paper.setColorAt(0, QColor(0xff, 0xff, 0xff));
  paper.setColorAt(1, QColor(0xf1, 0xee, 0xe8));
  p.setBrush(paper);
  p.drawPath(sheet);

  // The red header band, clipped to the page's rounded top.
  p.save();
  p.setClipPath(sheet);
  QLinearGradient red(0, kPageTop, 0, kBandBottom);
  red.setColorAt(0, QColor(0xe5, 0x3b, 0x2f));
  red.setColorAt(1, QColor(0xc6, 0x22, 0x1a));
  p.setBrush(red);
  p.drawRect(QRectF(kPageLeft, kPageTop, kPageRight - kPageLeft, kBandBottom - kPageTop));
  // A thin darker line where the band meets the paper.
  p.setBrush(QColor(0x9e, 0x16, 0x10));
  p.drawRect(QRectF(kPageLeft, kBandBottom - 3, kPageRight - kPageLeft, 3));
  p.restore();

  // The perforation the page tears off along, a row of small dents under the band.
  p.setBrush(QColor(0xe2, 0xdd, 0xd5));
  for (qreal x = kPageLeft + 16; x < kPageRight - 10; x += 12) {
    p.drawEllipse(QPointF(x, kBandBottom + 8), 2.0, 2.0);
  }

  // A faint edge around the whole page keeps it apart from light backgrounds.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(0x70, 0x10, 0x0a, 90), 1.5));
  p.drawPath(page);
}

void DrawRings(QPainter& p) {
  for (const qreal x : {82.0, 174.0}) {
    // The punched hole in the band.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x5a, 0x0c, 0x08));
    p.drawEllipse(QPointF(x, 52), 9, 9);
    // The ring: a metal pill from above the page down into the hole.
    QLinearGradient metal(x - 7, 0, x + 7, 0);
    metal.setColorAt(0.0, QColor(0x5b, 0x62, 0x6b));
    metal.setColorAt(0.45, QColor(0xe8, 0xec, 0xf0));
    metal.setColorAt(1.0, QColor(0x4a, 0x50, 0x58));
    p.setBrush(metal);
    p.setPen(QPen(QColor(0x33, 0x38, 0x3e), 1.2));
    p.drawRoundedRect(QRectF(x - 7, 12, 14, 44), 7, 7);
  }
}

void DrawTexts(QPainter& p, const QString& digitFamily, const QString& hanFamily) {
  // 历 in the band. The Ming face is light, so its outline is stroked to embolden it.
  QFont han(hanFamily);
  han.setPixelSize(52);
  const QPainterPath li = CentredText(QString(QChar(0x5386)), han, QPointF(128, 74));
  p.setPen(QPen(QColor(0xff, 0xff, 0xff), 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(QColor(0xff, 0xff, 0xff));
  p.drawPath(li);

  // The day number on the page.
  QFont digits(digitFamily);
  digits.setPixelSize(112);
  digits.setBold(true);
  const QPainterPath day = CentredText(QStringLiteral("15"), digits, QPointF(128, 172));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x2b, 0x2b, 0x30));
  p.drawPath(day);
}

QImage DrawIcon() {
  QImage image(kSize, kSize, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  const QString digitFamily = LoadFamily(kDigitFont, "DejaVu Sans");
  const QString hanFamily = LoadFamily(kHanFont, "AR PL UMing CN");

  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  DrawShadow(p);
  DrawPage(p);
  DrawRings(p);
  DrawTexts(p, digitFamily, hanFamily);
  p.end();
  return image.convertToFormat(QImage::Format_ARGB32);
}

QByteArray EncodePng(const QImage& image) {
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "png");
  writer.setQuality(0);  // smallest file
  if (!writer.write(image)) {
    std::fprintf(stderr, "make_icon: PNG encoding failed\n");
    std::exit(1);
  }
  return png;
}

void PutLe16(QByteArray& out, unsigned value) {
  out.append(char(value & 0xff));
  out.append(char((value >> 8) & 0xff));
}

void PutLe32(QByteArray& out, unsigned long value) {
  PutLe16(out, value & 0xffff);
  PutLe16(out, (value >> 16) & 0xffff);
}

// An ICO with one 256 × 256, 32-bit entry whose image data is the PNG itself.
QByteArray WrapIco(const QByteArray& png) {
  QByteArray ico;
  PutLe16(ico, 0);  // reserved
  PutLe16(ico, 1);  // type: icon
  PutLe16(ico, 1);  // one image
  ico.append(char(0));  // width 256
  ico.append(char(0));  // height 256
  ico.append(char(0));  // no palette
  ico.append(char(0));  // reserved
  PutLe16(ico, 1);      // planes
  PutLe16(ico, 32);     // bits per pixel
  PutLe32(ico, static_cast<unsigned long>(png.size()));
  PutLe32(ico, 6 + 16);  // the image follows the one directory entry
  ico.append(png);
  return ico;
}

void WriteFile(const char* path, const QByteArray& bytes) {
  QFile file(QString::fromLocal8Bit(path));
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
    std::fprintf(stderr, "make_icon: cannot write %s\n", path);
    std::exit(1);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3 || argc > 4) {
    std::fprintf(stderr, "usage: make_icon OUT.png OUT.ico [PREVIEW32.png]\n");
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);

  const QImage icon = DrawIcon();
  const QByteArray png = EncodePng(icon);
  WriteFile(argv[1], png);
  WriteFile(argv[2], WrapIco(png));
  if (argc == 4) {
    const QImage small =
        icon.scaled(32, 32, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    WriteFile(argv[3], EncodePng(small));
  }
  std::printf("icon: PNG %lld bytes, ICO %lld bytes\n", static_cast<long long>(png.size()),
              static_cast<long long>(png.size() + 22));
  return 0;
}
