#include "runtime/qt/arrow_button.h"

#include <QPainter>
#include <QPolygon>

namespace runtime::qt {

ArrowButton::ArrowButton(QWidget* parent, UpDownArrow arrow) : QAbstractButton(parent), arrow_(arrow) {
  setFocusPolicy(Qt::NoFocus);
  setAutoRepeat(true);
}

void ArrowButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QRect r = rect();
  const bool down = isDown();
  p.fillRect(r, QColor(0xF0, 0xF0, 0xF0));
  // A one-pixel edge: light above and left, dark below and right; the other way round
  // while pressed.
  const QColor light = down ? QColor(0xA0, 0xA0, 0xA0) : Qt::white;
  const QColor dark = down ? Qt::white : QColor(0xA0, 0xA0, 0xA0);
  p.setPen(light);
  p.drawLine(r.topLeft(), r.topRight());
  p.drawLine(r.topLeft(), r.bottomLeft());
  p.setPen(dark);
  p.drawLine(r.bottomLeft(), r.bottomRight());
  p.drawLine(r.topRight(), r.bottomRight());

  // A solid triangle, 7 pixels wide and 4 high, centred; one pixel lower and righter
  // while pressed.
  const int shift = down ? 1 : 0;
  const int cx = r.left() + (r.width() - 1) / 2 + shift;
  const int cy = r.top() + (r.height() - 4) / 2 + shift;
  QPolygon arrow;
  if (arrow_ == UpDownArrow::kUp) {
    arrow << QPoint(cx, cy) << QPoint(cx + 3, cy + 3) << QPoint(cx - 3, cy + 3);
  } else {
    arrow << QPoint(cx - 3, cy) << QPoint(cx + 3, cy) << QPoint(cx, cy + 3);
  }
  const QColor ink = isEnabled() ? Qt::black : QColor(0xA0, 0xA0, 0xA0);
  p.setPen(ink);
  p.setBrush(ink);
  p.drawPolygon(arrow);
}

}  // namespace runtime::qt
