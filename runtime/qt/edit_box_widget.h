// An edit box: one line that scrolls sideways, with a sunken edge, its own font,
// colours and alignment, no length limit and no filter; the selection shows only while
// the box has the focus.
//
// Every change the user makes (typing, deleting, paste, cut, undo, dropping text) is
// reported as the box's new text; a program write (ShowText) is not reported back.
// Esc and Tab go to the window before the box sees them.
#pragma once

#include <QLineEdit>

#include "runtime/qt/reporter.h"
#include "runtime/window_definition.h"

namespace runtime::qt {

class EditBoxWidget final : public QLineEdit {
 public:
  EditBoxWidget(QWidget* parent, const ControlDefinition& definition, ReporterRef reporter);

  void ShowText(const QString& text);

 protected:
  bool event(QEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  ReporterRef reporter_;
  std::int32_t number_;
  bool sunken_;
};

}  // namespace runtime::qt
