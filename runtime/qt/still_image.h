// Still pictures of a loaded window on the Qt backend, as PNG files: what `wnl render`
// writes. They are taken from the same widgets and the same canvas image that the
// desktop window paints, so a picture shows exactly what the screen would.
//
// "The window" is its client area: everything inside the frame. The frame and caption
// are the window manager's, and the offscreen platform has none. Both pictures are at
// device pixels, so at QT_SCALE_FACTOR=2 a picture is twice the window's size.
#pragma once

#include <cstdint>
#include <vector>

namespace runtime {
class Window;
}

namespace runtime::qt {

// For pictures: the caret of the focused box stays drawn instead of blinking, so that
// two pictures of the same window are the same. Call before the window is loaded.
void SteadyCaret();

// Lets Qt deliver what showing the window queued (activation, focus), for at most a
// second, then answers the client area as PNG bytes.
std::vector<std::uint8_t> WindowPng(Window& window);

// The canvas control's off-screen image as it stands, as PNG bytes; empty when
// `canvas` is no canvas of the window.
std::vector<std::uint8_t> CanvasPng(Window& window, std::int32_t canvas);

}  // namespace runtime::qt
