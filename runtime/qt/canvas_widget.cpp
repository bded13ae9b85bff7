#include "runtime/qt/canvas_widget.h"

#include <QPaintEvent>
#include <QPainter>

namespace runtime::qt {

CanvasWidget::CanvasWidget(QWidget* parent, const ControlDefinition& definition,
                           std::int32_t vertical_dpi)
    : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  const Colour background = definition.background == kTransparent ? kButtonFace : definition.background;
  surface_ = std::make_unique<ImageSurface>(definition.width, definition.height, devicePixelRatioF(),
                                            vertical_dpi, background, [this] { update(); });
}

void CanvasWidget::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const QRect area = event->rect();
  const qreal ratio = surface_->image().devicePixelRatio();
  const QRect source(qFloor(area.x() * ratio), qFloor(area.y() * ratio), qCeil(area.width() * ratio),
                     qCeil(area.height() * ratio));
  painter.drawImage(area, surface_->image(), source);
}

}  // namespace runtime::qt
