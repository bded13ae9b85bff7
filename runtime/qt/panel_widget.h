// A shape box: a rectangle of its background colour, without outline, holding other
// controls.
#pragma once

#include <QWidget>

#include "runtime/colour.h"

namespace runtime::qt {

class PanelWidget final : public QWidget {
 public:
  PanelWidget(QWidget* parent, Colour background);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor background_;
};

}  // namespace runtime::qt
