// The platform seam of the window runtime.
//
// A backend builds the native face of each window, runs the event loop and shows fatal
// errors; everything that must behave the same on every platform (control state, event
// delivery, canvas state, up-down rules, keys, focus, closing) stays in the portable
// runtime, and the backend only mirrors it and reports what the user did (Window's
// User* operations).
#pragma once

#include <memory>

#include "runtime/surface.h"
#include "runtime/text.h"

namespace runtime {

struct ControlState;
class Window;

// The native side of one loaded window. The runtime calls these in its loading order;
// none of them raises an event or reports back to the window.
//
// Destroying the host destroys the native window. That can happen inside one of the
// host's own reports (Esc, the close button), so a backend lets its native objects go
// in a way that survives being inside their own event handlers.
class WindowHost {
 public:
  virtual ~WindowHost() = default;

  // Creates a control hidden, in its container at its position. An edit box with an
  // up-down range gets its pair of arrow buttons (window_geometry.h), which repeat the
  // click while held.
  virtual void CreateControl(const ControlState& control) = 0;

  // The off-screen image of a canvas control, created with the control and living as
  // long as the host. A repaint of the control only copies it.
  virtual Surface& CanvasSurface(const ControlState& canvas) = 0;

  virtual void ShowControl(const ControlState& control) = 0;

  // Shows and activates the window. Once the window is active the backend reports
  // UserActivated, which places the focus.
  virtual void ShowWindow() = 0;

  // The program wrote an edit box's text: show it without reporting a change back (the
  // runtime raises the one text-change event itself).
  virtual void ShowText(const ControlState& edit_box) = 0;

  virtual void ShowCaption(const ControlState& label) = 0;

  // Selects the whole text of an edit box.
  virtual void SelectAll(const ControlState& edit_box) = 0;

  // Scrolls an edit box so that its caret is in view.
  virtual void ScrollIntoView(const ControlState& edit_box) = 0;

  // Gives a control the keyboard focus.
  virtual void Focus(const ControlState& control) = 0;
};

class Backend {
 public:
  virtual ~Backend() = default;

  // Creates the native window of a window being loaded, hidden, centred (or at its
  // stored position) and of its outer size, with its icons. The host reports the user's
  // actions to `window`. nullptr when the platform cannot make the window.
  virtual std::unique_ptr<WindowHost> CreateWindowHost(Window& window) = 0;

  // Delivers the user's actions until QuitEventLoop; returns at once when nothing can
  // ever arrive (no screen).
  virtual void RunEventLoop() = 0;

  // Ends RunEventLoop once control is back in the loop; called when the last window is
  // gone.
  virtual void QuitEventLoop() = 0;

  // Shows the fatal error box and returns; the runtime then ends the program.
  virtual void ShowFatalError(const Text& title, const Text& text) = 0;
};

}  // namespace runtime
