#include "runtime/qt/gbk.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>

namespace runtime::qt {
namespace {

QByteArrayView View(std::string_view bytes) {
  return QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

bool IsAscii(std::string_view bytes) {
  return std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// A converter's error flag stays set once raised, so each conversion that must tell
// whether it met a byte that is no character gets a converter of its own.
QString Decode(std::string_view gbk, bool& failed) {
  QStringDecoder decoder("GBK", QStringConverter::Flag::Stateless);
  QString text = decoder(View(gbk));
  failed = decoder.hasError() || (text.isEmpty() && !gbk.empty());
  return text;
}

}  // namespace

QString FromGbk(std::string_view gbk) {
  // Most texts are digits: they need no converter.
  if (IsAscii(gbk)) return QString::fromLatin1(gbk.data(), static_cast<qsizetype>(gbk.size()));
  bool failed = false;
  QString text = Decode(gbk, failed);
  if (!failed) return text;
  // Character by character, so that each byte that is no character shows as U+FFFD
  // where the converter would drop it.
  text.clear();
  for (std::size_t i = 0; i < gbk.size();) {
    const auto lead = static_cast<unsigned char>(gbk[i]);
    const std::size_t length = lead >= 0x81 && lead <= 0xFE && i + 1 < gbk.size() ? 2 : 1;
    const QString one = length == 1 && lead < 0x80 ? QString(QChar(lead)) : Decode(gbk.substr(i, length), failed);
    if (length == 1 && lead < 0x80) failed = false;
    if (failed) {
      text += QChar::ReplacementCharacter;
      ++i;
    } else {
      text += one;
      i += length;
    }
  }
  return text;
}

Text ToGbk(const QString& text) {
  QStringEncoder encoder("GBK", QStringConverter::Flag::Stateless);
  const QByteArray bytes = encoder(text);
  return Text(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace runtime::qt
