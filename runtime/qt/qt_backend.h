// The Linux desktop backend. This header needs no Qt: the program's main includes it.
//
// The backend makes the Qt application (unless one exists), maps the program's font
// faces (fonts.h), builds windows as QtWindowHost, runs Qt's event loop and shows fatal
// errors in a message box.
#pragma once

#include <memory>

#include "runtime/backend.h"

namespace runtime::qt {

// Whether Qt has somewhere to open a window: an X11 or Wayland display, or a platform
// chosen in QT_QPA_PLATFORM (such as offscreen).
bool HaveDisplay();

std::unique_ptr<Backend> MakeQtBackend(int& argc, char** argv);

}  // namespace runtime::qt
