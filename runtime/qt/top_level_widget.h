// The native window of a loaded window: a fixed-size top-level widget with a caption,
// the system menu and the close button, no minimise or maximise button, the window's
// background colour and icon, and its own taskbar entry.
//
// The window's outer size is that of a fixed Windows frame. Linux window managers draw
// frames of their own, so the widget takes the client area that the Windows frame
// leaves: 3-pixel borders left, right and below, and a caption bar that with the top
// border takes 26 pixels. 462 x 380 outside leaves 456 x 351 inside, which holds every
// control of the calendar at its position with 8 pixels to spare on the right.
//
// It reports activation, deactivation, the close button (also the system menu and the
// window manager's close shortcut) and the keys that reach it without a focused box.
#pragma once

#include <QSize>
#include <QWidget>

#include "runtime/qt/reporter.h"
#include "runtime/window_definition.h"

namespace runtime::qt {

inline constexpr int kFrameBorder = 3;
inline constexpr int kCaptionAndTopBorder = 26;

QSize ClientSize(const WindowDefinition& window);

class TopLevelWidget final : public QWidget {
 public:
  TopLevelWidget(const WindowDefinition& definition, ReporterRef reporter);

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  ReporterRef reporter_;
};

}  // namespace runtime::qt
