#include "runtime/window.h"

#include <algorithm>
#include <cmath>

#include "runtime/fatal.h"
#include "runtime/runtime.h"
#include "runtime/window_geometry.h"

namespace runtime {
namespace {

CanvasState InitialCanvasState(const ControlDefinition& d, std::int32_t dpi) {
  CanvasState state;
  state.background = d.background;
  state.text_colour = d.text_colour;
  state.text_background = d.text_background;
  state.font.face = d.font.face == nullptr ? "" : d.font.face;
  state.font.height = d.font.height;
  state.font.weight = d.font.weight;
  if (dpi > 0) state.font.points = static_cast<std::int32_t>(std::lround(d.font.height * 72.0 / dpi));
  return state;
}

// The one-line edit boxes leave Esc and Tab to the window; no other kind takes keys.
bool ClaimsKey(const ControlState&, Key) { return false; }

}  // namespace

// Marks the window busy for the length of a report; a close asked for meanwhile happens
// when the outermost report ends. Declared first in a report, so that it is the last
// thing to run before the report returns.
class Window::Busy {
 public:
  explicit Busy(Window& window) : window_(window) { ++window_.busy_; }
  ~Busy() {
    if (--window_.busy_ == 0 && window_.close_pending_) window_.Close();
  }
  Busy(const Busy&) = delete;
  Busy& operator=(const Busy&) = delete;

 private:
  Window& window_;
};

bool ControlState::has_up_down() const { return HasUpDown(*definition); }

Window::Window(Runtime& runtime, const WindowDefinition& definition)
    : runtime_(runtime), definition_(definition) {
  controls_.reserve(definition.controls.size());
  for (const ControlDefinition& d : definition.controls) {
    ControlState state;
    state.definition = &d;
    state.text = d.text == nullptr ? "" : d.text;
    state.enabled = d.enabled;
    if (HasUpDown(d)) state.up_down = UpDownBounds(d.up_down);
    controls_.push_back(std::move(state));
  }
}

// Controls go before the host: their canvases draw on surfaces the host owns. The sound
// is told to stop last, without waiting for it.
Window::~Window() {
  for (ControlState& control : controls_) control.canvas.reset();
  host_.reset();
  if (sound_ != 0 && runtime_.sound() != nullptr) runtime_.sound()->Stop(sound_);
}

ControlState* Window::FindControl(std::int32_t number) {
  for (ControlState& control : controls_) {
    if (control.number() == number) return &control;
  }
  return nullptr;
}

// Busy all along, but a close asked for while loading waits for the event loop (see
// Runtime::Run): the caller of LoadWindow gets a window that is still there.
void Window::Load() {
  ++busy_;
  events_held_ = true;
  // The native window is created hidden, with its icons; the background sound starts
  // with it.
  host_ = runtime_.backend().CreateWindowHost(*this);
  if (host_ == nullptr) FatalError("载入启动窗口失败");
  if (SoundHook* sound = runtime_.sound(); sound != nullptr && definition_.sound != nullptr) {
    const std::span<const std::uint8_t> track = runtime_.FindAsset(definition_.sound);
    if (!track.empty()) sound_ = sound->Start(track, definition_.sound_loops);
  }
  for (ControlState& control : controls_) {
    host_->CreateControl(control);
    if (control.kind() == ControlKind::kCanvas) {
      Surface& surface = host_->CanvasSurface(control);
      control.canvas = std::make_unique<Canvas>(
          surface, InitialCanvasState(*control.definition, surface.VerticalDpi()));
    }
  }
  for (ControlState& control : controls_) {
    if (!control.definition->visible) continue;
    control.visible = true;
    host_->ShowControl(control);
  }
  events_held_ = false;
  RaiseEvent(0, kEventCreated);
  host_->ShowWindow();
  shown_ = true;
  --busy_;
}

void Window::WriteText(ControlState& edit_box, Text text) {
  Busy busy(*this);
  edit_box.text = std::move(text);
  host_->ShowText(edit_box);
  RaiseEvent(edit_box.number(), kEventTextChanged);
}

void Window::WriteCaption(ControlState& label, Text caption) {
  label.text = std::move(caption);
  host_->ShowCaption(label);
}

void Window::UserEditedText(std::int32_t control, Text text) {
  Busy busy(*this);
  ControlState* edit_box = FindControl(control);
  if (edit_box == nullptr || edit_box->kind() != ControlKind::kEditBox) return;
  edit_box->text = std::move(text);
  RaiseEvent(control, kEventTextChanged);
}

void Window::UserClickedUpDown(std::int32_t control, UpDownArrow arrow) {
  Busy busy(*this);
  ControlState* box = FindControl(control);
  if (box == nullptr || !box->has_up_down() || !box->visible || !box->enabled) return;
  WriteText(*box, UpDownClick(box->text, arrow, box->up_down));
  host_->SelectAll(*box);
  host_->ScrollIntoView(*box);
  GiveFocus(*box);
}

bool Window::UserPressedKey(Key key, KeyModifiers modifiers) {
  Busy busy(*this);
  const ControlState* focused = FindControl(focused_);
  if (focused != nullptr && ClaimsKey(*focused, key)) return false;
  switch (key) {
    case Key::kEscape:
      if (modifiers.shift || modifiers.ctrl || modifiers.alt || !definition_.esc_closes) return false;
      Close();
      return true;
    case Key::kTab:
      if (modifiers.ctrl || modifiers.alt) return false;
      MoveFocus(!modifiers.shift);
      return true;
    case Key::kEnter:
    case Key::kOther:
      return false;
  }
  return false;
}

void Window::UserFocused(std::int32_t control) {
  if (Focusable(control) != nullptr) focused_ = control;
}

void Window::UserActivated() {
  Busy busy(*this);
  ControlState* target = Focusable(remembered_focus_);
  if (target == nullptr) {
    const std::vector<ControlState*> stops = TabStops();
    if (!stops.empty()) target = stops.front();
  }
  if (target != nullptr) GiveFocus(*target);
}

void Window::UserDeactivated() {
  if (focused_ != 0) remembered_focus_ = focused_;
  focused_ = 0;
}

void Window::UserClosed() {
  Busy busy(*this);
  Close();
}

void Window::Close() {
  if (busy_ > 0) {
    close_pending_ = true;
    return;
  }
  runtime_.DestroyWindow(*this);  // `this` is gone from here on
}

void Window::RaiseEvent(std::int32_t source, std::int32_t event) {
  if (events_held_) return;
  std::span<const EventBinding> bindings = definition_.events;
  if (source != 0) {
    const ControlState* control = FindControl(source);
    if (control == nullptr) return;
    bindings = control->definition->events;
  }
  for (const EventBinding& binding : bindings) {
    if (binding.event == event && binding.handler != nullptr) {
      Busy busy(*this);
      binding.handler();
      return;
    }
  }
}

ControlState* Window::Focusable(std::int32_t number) {
  ControlState* control = number == 0 ? nullptr : FindControl(number);
  if (control == nullptr || !control->visible || !control->enabled) return nullptr;
  return control->kind() == ControlKind::kEditBox ? control : nullptr;
}

// The visible, enabled tab stops by tab order; equal orders keep the definition's order.
std::vector<ControlState*> Window::TabStops() {
  std::vector<ControlState*> stops;
  for (ControlState& control : controls_) {
    if (control.definition->tab_stop && control.visible && control.enabled) stops.push_back(&control);
  }
  std::stable_sort(stops.begin(), stops.end(), [](const ControlState* a, const ControlState* b) {
    return a->definition->tab_order < b->definition->tab_order;
  });
  return stops;
}

// Tabbing into an edit box selects its whole text, as dialog navigation does.
void Window::MoveFocus(bool forward) {
  const std::vector<ControlState*> stops = TabStops();
  if (stops.empty()) return;
  const auto at = std::find_if(stops.begin(), stops.end(),
                               [this](const ControlState* c) { return c->number() == focused_; });
  std::size_t next;
  if (at == stops.end()) {
    next = forward ? 0 : stops.size() - 1;
  } else {
    const std::size_t i = static_cast<std::size_t>(at - stops.begin());
    next = forward ? (i + 1) % stops.size() : (i + stops.size() - 1) % stops.size();
  }
  ControlState& target = *stops[next];
  GiveFocus(target);
  if (target.kind() == ControlKind::kEditBox) host_->SelectAll(target);
}

void Window::GiveFocus(ControlState& control) {
  focused_ = control.number();
  remembered_focus_ = focused_;
  host_->Focus(control);
}

}  // namespace runtime
