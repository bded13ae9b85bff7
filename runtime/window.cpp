#include "runtime/window.h"

#include <cmath>

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

}  // namespace

Window::Window(const WindowDefinition& definition) : definition_(definition) {
  controls_.reserve(definition.controls.size());
  for (const ControlDefinition& d : definition.controls) {
    controls_.push_back(ControlState{&d, d.text == nullptr ? "" : d.text, false, d.enabled, {}});
  }
}

// Controls go before the host: their canvases draw on surfaces the host owns.
Window::~Window() {
  for (ControlState& control : controls_) control.canvas.reset();
}

ControlState* Window::FindControl(std::int32_t number) {
  for (ControlState& control : controls_) {
    if (control.number() == number) return &control;
  }
  return nullptr;
}

void Window::Load(Backend& backend) {
  events_held_ = true;
  // The native window is created hidden; the background sound starts with it.
  host_ = backend.CreateWindowHost(*this);
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
}

void Window::WriteText(ControlState& edit_box, Text text) {
  edit_box.text = std::move(text);
  host_->ShowText(edit_box);
  RaiseEvent(edit_box.number(), kEventTextChanged);
}

void Window::WriteCaption(ControlState& label, Text caption) {
  label.text = std::move(caption);
  host_->ShowCaption(label);
}

void Window::UserEditedText(std::int32_t control, Text text) {
  ControlState* edit_box = FindControl(control);
  if (edit_box == nullptr || edit_box->kind() != ControlKind::kEditBox) return;
  edit_box->text = std::move(text);
  RaiseEvent(control, kEventTextChanged);
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
      binding.handler();
      return;
    }
  }
}

}  // namespace runtime
