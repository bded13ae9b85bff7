// A label: its whole area in its background colour, and over it one line of text in
// its text colour and font, aligned as defined, clipped at the label's edges. No border,
// no wrap, no text effect.
#pragma once

#include <QFont>
#include <QString>
#include <QWidget>

#include "runtime/window_definition.h"

namespace runtime::qt {

class LabelWidget final : public QWidget {
 public:
  LabelWidget(QWidget* parent, const ControlDefinition& definition);

  void SetCaption(const QString& caption);
  const QString& caption() const { return caption_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor text_colour_;
  QColor background_;
  int alignment_;
  QString caption_;
};

}  // namespace runtime::qt
