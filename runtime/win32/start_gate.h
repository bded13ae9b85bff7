// Opening the sound device loads the system's sound stack, which holds the loader's lock
// for a long while; a window being created at the same time waits on it, and shows
// later. So a sound that starts while a window opens (the melody starts as its window is
// created) opens its device once that window is shown and painted, a few tenths of a
// second on. Without an opening window nothing waits.
#pragma once

#include <cstdint>

namespace runtime::win32 {

// A window is being created / has been shown (or given up).
void WindowOpening();
void WindowShown();

// Waits until no window is opening, at most `milliseconds`.
void WaitUntilWindowsShown(std::uint32_t milliseconds);

}  // namespace runtime::win32
