#include "runtime/qt/fonts.h"

#include <QApplication>
#include <algorithm>
#include <QStringList>

#include "runtime/qt/gbk.h"

namespace runtime::qt {
namespace {

bool IsSong(const QString& family) {
  return family == QStringLiteral("宋体") || family.compare(QStringLiteral("SimSun"), Qt::CaseInsensitive) == 0;
}

QFont Make(const Text& face, std::int32_t pixels, std::int32_t weight) {
  QFont font = face.empty() ? QApplication::font() : QFont(FromGbk(face));
  // A Song face at 9 to 14 points is drawn in one-pixel strokes; full hinting puts them
  // on the pixel grid, as SimSun's own bitmaps do on Windows, instead of blurring them.
  if (IsSong(font.family())) font.setHintingPreference(QFont::PreferFullHinting);
  if (pixels > 0) font.setPixelSize(pixels);
  font.setWeight(static_cast<QFont::Weight>(std::clamp(weight, 1, 1000)));
  return font;
}

}  // namespace

void MapFaces() {
  const QStringList song = {QStringLiteral("AR PL UMing CN"), QStringLiteral("AR PL SungtiL GB"),
                            QStringLiteral("Noto Serif CJK SC")};
  QFont::insertSubstitutions(QStringLiteral("宋体"), QStringList{QStringLiteral("SimSun")} + song);
  QFont::insertSubstitutions(QStringLiteral("SimSun"), song);
  QFont::insertSubstitutions(QStringLiteral("Arial"),
                             {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")});
}

QFont QtFont(const Font& font) {
  QFont qt = Make(font.face, font.height, font.weight);
  qt.setItalic(font.italic);
  qt.setUnderline(font.underline);
  qt.setStrikeOut(font.strike_out);
  return qt;
}

QFont QtFont(const FontSpec& font) {
  return Make(font.face == nullptr ? Text() : Text(font.face), font.height, font.weight);
}

}  // namespace runtime::qt
