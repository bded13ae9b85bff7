// Where the widgets of one window send what the user did.
//
// The widgets share it with their host. The host detaches it before it lets the widgets
// go (they are deleted later, from the event loop), so that nothing a widget sees while
// it goes away reaches a window that is being destroyed.
#pragma once

#include <memory>

#include "runtime/window.h"

namespace runtime::qt {

struct Reporter {
  Window* window = nullptr;  // nullptr once detached
};

using ReporterRef = std::shared_ptr<Reporter>;

}  // namespace runtime::qt
