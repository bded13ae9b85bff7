#include "runtime/qt/edit_box_widget.h"

#include <QKeyEvent>
#include <QPainter>
#include <limits>

#include "runtime/qt/colour.h"
#include "runtime/qt/fonts.h"
#include "runtime/qt/gbk.h"
#include "runtime/qt/keys.h"

namespace runtime::qt {
namespace {

// The two-pixel sunken edge of a Windows client edge: the outer line grey over white,
// the inner one dark grey over light grey.
constexpr int kEdge = 2;

void DrawSunkenEdge(QPainter& p, const QRect& r) {
  const auto line = [&p](QColor c, int x1, int y1, int x2, int y2) {
    p.setPen(c);
    p.drawLine(x1, y1, x2, y2);
  };
  const int l = r.left(), t = r.top(), rr = r.right(), b = r.bottom();
  line(QColor(0xA0, 0xA0, 0xA0), l, t, rr - 1, t);
  line(QColor(0xA0, 0xA0, 0xA0), l, t, l, b - 1);
  line(Qt::white, l, b, rr, b);
  line(Qt::white, rr, t, rr, b);
  line(QColor(0x69, 0x69, 0x69), l + 1, t + 1, rr - 2, t + 1);
  line(QColor(0x69, 0x69, 0x69), l + 1, t + 1, l + 1, b - 2);
  line(QColor(0xE3, 0xE3, 0xE3), l + 1, b - 1, rr - 1, b - 1);
  line(QColor(0xE3, 0xE3, 0xE3), rr - 1, t + 1, rr - 1, b - 1);
}

Qt::Alignment QtAlignment(Alignment horizontal) {
  switch (horizontal) {
    case Alignment::kStart: return Qt::AlignLeft | Qt::AlignVCenter;
    case Alignment::kCentre: return Qt::AlignHCenter | Qt::AlignVCenter;
    case Alignment::kEnd: return Qt::AlignRight | Qt::AlignVCenter;
  }
  return Qt::AlignLeft | Qt::AlignVCenter;
}

}  // namespace

EditBoxWidget::EditBoxWidget(QWidget* parent, const ControlDefinition& definition,
                             ReporterRef reporter)
    : QLineEdit(parent),
      reporter_(std::move(reporter)),
      number_(definition.number),
      sunken_(definition.border == Border::kSunken) {
  setFrame(false);
  if (sunken_) setContentsMargins(kEdge, kEdge, kEdge, kEdge);
  // A line edit keeps 2 pixels free on either side of its text; giving one back lets two
  // digits fit the 24-pixel month box, as they do in a Windows edit box.
  setTextMargins(-1, 0, -1, 0);
  setMaxLength(std::numeric_limits<int>::max());
  setAlignment(QtAlignment(definition.horizontal));
  if (definition.font.face != nullptr) setFont(QtFont(definition.font));
  setFocusPolicy(Qt::StrongFocus);

  QPalette p = palette();
  const QColor text = QtColour(definition.text_colour);
  const QColor base = QtColour(definition.background);
  for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    p.setColor(g, QPalette::Base, base);
    p.setColor(g, QPalette::Text, text);
  }
  // Without the focus the selection is not shown.
  p.setColor(QPalette::Inactive, QPalette::Highlight, base);
  p.setColor(QPalette::Inactive, QPalette::HighlightedText, text);
  setPalette(p);
  setAutoFillBackground(true);

  connect(this, &QLineEdit::textEdited, this, [this](const QString& now) {
    undo_touched_ += length_ + now.size();
    length_ = now.size();
    // After the edit has run its course, from the event loop.
    if (undo_touched_ > kUndoBudget) QMetaObject::invokeMethod(this, &EditBoxWidget::DropUndoHistory, Qt::QueuedConnection);
    if (Window* window = reporter_->window) window->UserEditedText(number_, ToGbk(now));
  });
}

void EditBoxWidget::ShowText(const QString& text) {
  // setText does not count as an edit: textEdited stays quiet. It also clears the undo history.
  setText(text);
  length_ = text.size();
  undo_touched_ = 0;
}

void EditBoxWidget::DropUndoHistory() {
  if (undo_touched_ <= kUndoBudget) return;  // a write has cleared it meanwhile
  const int cursor = cursorPosition();
  const int start = selectionStart(), length = selectionLength();
  ShowText(text());
  if (length == 0) {
    setCursorPosition(cursor);
  } else if (cursor == start) {
    setSelection(start + length, -length);
  } else {
    setSelection(start, length);
  }
}

bool EditBoxWidget::event(QEvent* event) {
  if (event->type() == QEvent::KeyPress && ReportKey(reporter_, *static_cast<QKeyEvent*>(event))) {
    return true;
  }
  return QLineEdit::event(event);
}

void EditBoxWidget::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  if (Window* window = reporter_->window) window->UserFocused(number_);
}

void EditBoxWidget::paintEvent(QPaintEvent* event) {
  QLineEdit::paintEvent(event);
  if (!sunken_) return;
  QPainter painter(this);
  DrawSunkenEdge(painter, rect());
}

}  // namespace runtime::qt
