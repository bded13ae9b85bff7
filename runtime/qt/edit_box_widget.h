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

  // Qt's line edit keeps an undo step for every character an edit inserts or removes,
  // for as long as the box lives: a few pastes of a long text would hold hundreds of
  // megabytes. Once the edits since the history last started have touched this many
  // characters, it starts afresh (text, cursor and selection stay as they are).
  static constexpr qsizetype kUndoBudget = qsizetype{1} << 16;

 protected:
  bool event(QEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void DropUndoHistory();

  ReporterRef reporter_;
  std::int32_t number_;
  bool sunken_;
  qsizetype length_ = 0;        // of the text after the last edit or write
  qsizetype undo_touched_ = 0;  // characters the edits since have touched, at most
};

}  // namespace runtime::qt
