// One Qt backend for the whole test program, on the platform the test's environment
// names (offscreen under ctest). It lives until the program ends: Qt's application
// object is made once per process.
#pragma once

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <memory>

#include "runtime/qt/qt_backend.h"

namespace runtime::qt {

inline Backend& TestBackend() {
  static int argc = 1;
  static char name[] = "qt_backend_test";
  static char* argv[] = {name, nullptr};
  static Backend* backend = MakeQtBackend(argc, argv).release();
  return *backend;
}

// Lets Qt run what it has queued, deleting the widgets of closed windows.
inline void Settle() {
  QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace runtime::qt
