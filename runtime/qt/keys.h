// The keys the window acts on, from Qt's key events.
#pragma once

#include <QKeyEvent>

#include "runtime/qt/reporter.h"

namespace runtime::qt {

// Reports Esc, Tab (Shift+Tab) and Enter to the window; true when the window used the
// key and the widget must drop it. The window may be gone when this returns.
bool ReportKey(const ReporterRef& reporter, const QKeyEvent& event);

}  // namespace runtime::qt
