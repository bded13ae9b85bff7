#include "runtime/qt/label_widget.h"

#include <QPainter>

#include "runtime/qt/colour.h"
#include "runtime/qt/fonts.h"

namespace runtime::qt {
namespace {

int QtAlignment(Alignment horizontal, Alignment vertical) {
  const int h = horizontal == Alignment::kStart ? Qt::AlignLeft
                : horizontal == Alignment::kCentre ? Qt::AlignHCenter
                                                   : Qt::AlignRight;
  const int v = vertical == Alignment::kStart ? Qt::AlignTop
                : vertical == Alignment::kCentre ? Qt::AlignVCenter
                                                 : Qt::AlignBottom;
  return h | v;
}

}  // namespace

LabelWidget::LabelWidget(QWidget* parent, const ControlDefinition& definition)
    : QWidget(parent),
      text_colour_(QtColour(definition.text_colour)),
      background_(QtColour(definition.background)),
      alignment_(QtAlignment(definition.horizontal, definition.vertical)) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  if (definition.font.face != nullptr) setFont(QtFont(definition.font));
}

void LabelWidget::SetCaption(const QString& caption) {
  caption_ = caption;
  update();
}

void LabelWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), background_);
  painter.setPen(text_colour_);
  painter.setFont(font());
  painter.drawText(rect(), alignment_ | Qt::TextSingleLine, caption_);
}

}  // namespace runtime::qt
