#include "runtime/qt/top_level_widget.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

#include "runtime/qt/colour.h"
#include "runtime/qt/gbk.h"
#include "runtime/qt/keys.h"
#include "runtime/window_geometry.h"

namespace runtime::qt {

QSize ClientSize(const WindowDefinition& window) {
  return {window.outer_width - 2 * kFrameBorder, window.outer_height - kCaptionAndTopBorder - kFrameBorder};
}

TopLevelWidget::TopLevelWidget(const WindowDefinition& definition, ReporterRef reporter)
    : QWidget(nullptr), reporter_(std::move(reporter)) {
  Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
  if (definition.close_button) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (definition.minimise_button) flags |= Qt::WindowMinimizeButtonHint;
  if (definition.maximise_button) flags |= Qt::WindowMaximizeButtonHint;
  if (definition.always_on_top) flags |= Qt::WindowStaysOnTopHint;
  setWindowFlags(flags);
  setWindowTitle(FromGbk(definition.title));

  const QSize client = ClientSize(definition);
  if (definition.resizable) {
    resize(client);
  } else {
    setFixedSize(client);
  }
  QPalette p = palette();
  p.setColor(QPalette::Window, QtColour(definition.background));
  setPalette(p);
  setAutoFillBackground(true);

  const QScreen* screen = QGuiApplication::primaryScreen();
  const QRect area = screen != nullptr ? screen->geometry() : QRect(0, 0, 1024, 768);
  const Point at = StartPosition(definition, area.width(), area.height());
  move(area.x() + at.x, area.y() + at.y);
}

bool TopLevelWidget::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate || event->type() == QEvent::WindowDeactivate) {
    const bool handled = QWidget::event(event);
    if (Window* window = reporter_->window) {
      if (event->type() == QEvent::WindowActivate) {
        window->UserActivated();
      } else {
        window->UserDeactivated();
      }
    }
    return handled;
  }
  return QWidget::event(event);
}

void TopLevelWidget::closeEvent(QCloseEvent* event) {
  // The runtime decides: it destroys the window, and this widget with it, later.
  event->ignore();
  if (Window* window = reporter_->window) window->UserClosed();
}

void TopLevelWidget::keyPressEvent(QKeyEvent* event) {
  if (ReportKey(reporter_, *event)) return;
  QWidget::keyPressEvent(event);
}

}  // namespace runtime::qt
