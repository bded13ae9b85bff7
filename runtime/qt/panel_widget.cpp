#include "runtime/qt/panel_widget.h"

#include <QPainter>

#include "runtime/qt/colour.h"

namespace runtime::qt {

PanelWidget::PanelWidget(QWidget* parent, Colour background)
    : QWidget(parent), background_(QtColour(background)) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void PanelWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), background_);
}

}  // namespace runtime::qt
