// A loaded window: the state of its controls, the delivery of its events, and the
// behaviour of its controls that is the same on every platform.
//
// The program reads and writes control properties here (through properties.h); the
// backend mirrors this state into native widgets and reports what the user did through
// the User* operations. Events are delivered synchronously on the user-interface thread:
// a write that raises an event returns after the handler has run. From the start of
// loading until the controls are shown, events are held, that is dropped.
//
// What the window does with a report:
//   an edited text       the box's text-change event, once per change
//   an up-down click     the box's text stepped and wrapped (up_down.h), written as a
//                        program write (one event), then all of it selected, scrolled
//                        into view and given the focus
//   Esc                  without Ctrl, Shift or Alt: the window closes
//   Tab, Shift+Tab       the focus moves forward or back among the tab stops
//   activation           the focus goes back to the control that had it when the window
//                        was deactivated, or else to the first tab stop
//   the close button     the window closes (also the system menu and the platform's
//                        close shortcut); no handler can refuse
//
// Closing destroys the window, its native face and its controls, and tells its sound to
// stop. A close that arrives while the window is busy (loading, or inside a report and
// the handlers it runs) waits until the outermost of them has returned. A backend must
// therefore not touch the window or its host after a report returns: the report may
// have destroyed both.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "runtime/backend.h"
#include "runtime/canvas.h"
#include "runtime/sound_hook.h"
#include "runtime/text.h"
#include "runtime/up_down.h"
#include "runtime/window_definition.h"

namespace runtime {

class Runtime;

struct ControlState {
  const ControlDefinition* definition = nullptr;
  Text text;  // an edit box's text or a label's caption
  bool visible = false;
  bool enabled = true;
  UpDownRange up_down = {};  // an edit box's up-down range, lower <= upper
  std::unique_ptr<Canvas> canvas;  // canvases only

  std::int32_t number() const { return definition->number; }
  ControlKind kind() const { return definition->kind; }
  bool has_up_down() const;
};

enum class Key { kEscape, kTab, kEnter, kOther };

struct KeyModifiers {
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
};

class Window {
 public:
  Window(Runtime& runtime, const WindowDefinition& definition);
  ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  const WindowDefinition& definition() const { return definition_; }
  std::int32_t number() const { return definition_.number; }
  std::span<ControlState> controls() { return controls_; }
  std::span<const ControlState> controls() const { return controls_; }
  ControlState* FindControl(std::int32_t number);
  WindowHost& host() { return *host_; }
  bool events_held() const { return events_held_; }
  bool shown() const { return shown_; }
  // The control with the keyboard focus; 0 for none, also while the window is inactive.
  std::int32_t focused() const { return focused_; }
  bool close_pending() const { return close_pending_; }

  // The program's writes: the host shows them; an edit box then raises its text-change
  // event once, also when the text did not change.
  void WriteText(ControlState& edit_box, Text text);
  void WriteCaption(ControlState& label, Text caption);

  // What the user did, as the backend reports it.
  void UserEditedText(std::int32_t control, Text text);
  void UserClickedUpDown(std::int32_t edit_box, UpDownArrow arrow);
  // True when the window used the key; the backend then drops it.
  bool UserPressedKey(Key key, KeyModifiers modifiers);
  // The user put the focus on a control (by clicking it, say).
  void UserFocused(std::int32_t control);
  void UserActivated();
  void UserDeactivated();
  void UserClosed();

  // Closes the window now, or once it is no longer busy.
  void Close();

  // Runs the handler bound to event `event` of control `source` (0: the window itself).
  void RaiseEvent(std::int32_t source, std::int32_t event);

 private:
  friend class Runtime;
  class Busy;

  void Load();
  ControlState* Focusable(std::int32_t control);
  std::vector<ControlState*> TabStops();
  void MoveFocus(bool forward);
  void GiveFocus(ControlState& control);

  Runtime& runtime_;
  const WindowDefinition& definition_;
  std::vector<ControlState> controls_;
  std::unique_ptr<WindowHost> host_;
  SoundHook::Id sound_ = 0;
  bool events_held_ = true;
  bool shown_ = false;
  std::int32_t focused_ = 0;
  std::int32_t remembered_focus_ = 0;
  int busy_ = 0;
  bool close_pending_ = false;
};

}  // namespace runtime
