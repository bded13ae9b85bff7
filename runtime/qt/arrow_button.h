// One arrow button of an edit box's up-down pair: a small button with a thin edge and
// an arrow, which repeats its click while held and never takes the focus.
#pragma once

#include <QAbstractButton>

#include "runtime/up_down.h"

namespace runtime::qt {

class ArrowButton final : public QAbstractButton {
 public:
  ArrowButton(QWidget* parent, UpDownArrow arrow);

  UpDownArrow arrow() const { return arrow_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  UpDownArrow arrow_;
};

}  // namespace runtime::qt
