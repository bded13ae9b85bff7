// Renders the smaller sizes of the window icon that a desktop's icon theme wants, from
// the 256 x 256 master, by area averaging (Qt's smooth scaling), one PNG a size:
//
//   icon_sizes MASTER.png OUTDIR SIZE...      writes OUTDIR/icon-SIZE.png
#include <QImage>
#include <QImageWriter>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fputs("usage: icon_sizes MASTER.png OUTDIR SIZE...\n", stderr);
    return 2;
  }
  const QImage master = QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_ARGB32);
  if (master.isNull()) {
    std::fprintf(stderr, "icon_sizes: cannot read %s\n", argv[1]);
    return 1;
  }
  for (int i = 3; i < argc; ++i) {
    const int size = std::atoi(argv[i]);
    if (size <= 0 || size > master.width()) {
      std::fprintf(stderr, "icon_sizes: no size %s\n", argv[i]);
      return 2;
    }
    const QImage scaled = master.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QString path = QStringLiteral("%1/icon-%2.png").arg(QString::fromLocal8Bit(argv[2])).arg(size);
    QImageWriter writer(path, "png");
    if (!writer.write(scaled)) {
      std::fprintf(stderr, "icon_sizes: cannot write %s: %s\n", qPrintable(path), qPrintable(writer.errorString()));
      return 1;
    }
  }
  return 0;
}
