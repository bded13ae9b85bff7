// The platform seam of the window runtime.
//
// A backend builds the native face of each window and shows fatal errors; everything
// that must behave the same on every platform (control state, event delivery, canvas
// state) stays in the portable runtime, and the backend only mirrors it and reports what
// the user did (Window's User* operations).
#pragma once

#include <memory>

#include "runtime/surface.h"
#include "runtime/text.h"

namespace runtime {

struct ControlState;
class Window;

// The native side of one loaded window. The runtime calls these in its loading order;
// none of them raises an event.
class WindowHost {
 public:
  virtual ~WindowHost() = default;

  // Creates a control hidden, in its container at its position.
  virtual void CreateControl(const ControlState& control) = 0;

  // The off-screen image of a canvas control, created with the control and living as
  // long as the host. A repaint of the control only copies it.
  virtual Surface& CanvasSurface(const ControlState& canvas) = 0;

  virtual void ShowControl(const ControlState& control) = 0;

  // Shows and activates the window; the focus goes to the first tab stop.
  virtual void ShowWindow() = 0;

  // The program wrote an edit box's text: show it without reporting a change back (the
  // runtime raises the one text-change event itself).
  virtual void ShowText(const ControlState& edit_box) = 0;

  virtual void ShowCaption(const ControlState& label) = 0;
};

class Backend {
 public:
  virtual ~Backend() = default;

  // Creates the native window of a window being loaded, hidden, at its position and of
  // its outer size, with its icons. The host reports the user's actions to `window`.
  virtual std::unique_ptr<WindowHost> CreateWindowHost(Window& window) = 0;

  // Shows the fatal error box and returns; the runtime then ends the program.
  virtual void ShowFatalError(const Text& title, const Text& text) = 0;
};

}  // namespace runtime
