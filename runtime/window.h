// A loaded window: the state of its controls and the delivery of its events.
//
// The program reads and writes control properties here (through properties.h); the
// backend mirrors this state into native widgets and reports what the user did through
// the User* operations. Events are delivered synchronously on the user-interface thread:
// a write that raises an event returns after the handler has run. From the start of
// loading until the controls are shown, events are held, that is dropped.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "runtime/backend.h"
#include "runtime/canvas.h"
#include "runtime/text.h"
#include "runtime/window_definition.h"

namespace runtime {

struct ControlState {
  const ControlDefinition* definition;
  Text text;  // an edit box's text or a label's caption
  bool visible = false;
  bool enabled = true;
  std::unique_ptr<Canvas> canvas;  // canvases only

  std::int32_t number() const { return definition->number; }
  ControlKind kind() const { return definition->kind; }
};

class Window {
 public:
  explicit Window(const WindowDefinition& definition);
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

  // The program's writes: the host shows them; an edit box then raises its text-change
  // event once, also when the text did not change.
  void WriteText(ControlState& edit_box, Text text);
  void WriteCaption(ControlState& label, Text caption);

  // What the user did, as the backend reports it. Each change of an edit box's text
  // (a typed or deleted character, paste, cut, undo) raises its text-change event.
  // Up-down clicks, keys, focus and closing join these.
  void UserEditedText(std::int32_t control, Text text);

  // Runs the handler bound to event `event` of control `source` (0: the window itself).
  void RaiseEvent(std::int32_t source, std::int32_t event);

 private:
  friend class Runtime;
  void Load(Backend& backend);

  const WindowDefinition& definition_;
  std::vector<ControlState> controls_;
  std::unique_ptr<WindowHost> host_;
  bool events_held_ = true;
  bool shown_ = false;
};

}  // namespace runtime
