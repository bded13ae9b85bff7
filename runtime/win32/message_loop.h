// One message of the user-interface thread's loop. Esc, Tab and Enter pressed in a
// window of the backend are first offered to the window runtime (Esc closes, Tab moves
// the focus, Enter does nothing); a key it uses goes no further, and none of the three
// becomes a character, so an edit box never beeps at them. Everything else is translated
// and dispatched as usual.
#pragma once

#include "runtime/win32/windows_api.h"

namespace runtime::win32 {

void ProcessMessage(const MSG& message);

// Processes every message already waiting, and returns.
void ProcessPendingMessages();

}  // namespace runtime::win32
