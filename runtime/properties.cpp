#include "runtime/properties.h"

#include "runtime/canvas.h"
#include "runtime/fatal.h"
#include "runtime/runtime.h"
#include "runtime/window.h"

namespace runtime {
namespace {

struct Address {
  Window& window;
  ControlState& control;
};

Address Find(std::int32_t window, std::int32_t control) {
  Runtime* runtime = Runtime::Current();
  Window* w = runtime == nullptr ? nullptr : runtime->FindWindow(window);
  if (w == nullptr) FatalError("所访问的窗口尚未载入");
  ControlState* c = w->FindControl(control);
  if (c == nullptr) FatalError("窗口中没有所访问的组件");
  return {*w, *c};
}

[[noreturn]] void NoSuchProperty() { FatalError("组件没有所访问的属性"); }

Canvas& CanvasAt(std::int32_t window, std::int32_t control) {
  ControlState& c = Find(window, control).control;
  if (c.canvas == nullptr) FatalError("所访问的组件不是画板");
  return *c.canvas;
}

}  // namespace

Value ReadProperty(std::int32_t window, std::int32_t control, std::int32_t property) {
  ControlState& c = Find(window, control).control;
  switch (c.kind()) {
    case ControlKind::kEditBox:
    case ControlKind::kLabel:
      if (property == kPropertyText) return c.text;
      break;
    case ControlKind::kCanvas:
      if (property == kPropertyTextColour) return c.canvas->state().text_colour;
      if (property == kPropertyTextBackground) return c.canvas->state().text_background;
      if (property == kPropertyFont) return c.canvas->FontRecordNow();
      break;
    case ControlKind::kShapeBox:
      break;
  }
  NoSuchProperty();
}

void WriteProperty(std::int32_t window, std::int32_t control, std::int32_t property,
                   std::int32_t member, const Value& value) {
  auto [w, c] = Find(window, control);
  switch (c.kind()) {
    case ControlKind::kEditBox:
      if (property == kPropertyText) return w.WriteText(c, value.AsText());
      break;
    case ControlKind::kLabel:
      if (property == kPropertyText) return w.WriteCaption(c, value.AsText());
      break;
    case ControlKind::kCanvas:
      if (property == kPropertyTextColour) return c.canvas->SetTextColour(value.AsColour());
      if (property == kPropertyTextBackground) return c.canvas->SetTextBackground(value.AsColour());
      if (property == kPropertyFont) return c.canvas->SetFontMember(member, value);
      break;
    case ControlKind::kShapeBox:
      break;
  }
  NoSuchProperty();
}

void CanvasClear(std::int32_t window, std::int32_t canvas) { CanvasAt(window, canvas).Clear(); }

void CanvasWriteValues(std::int32_t window, std::int32_t canvas, std::int32_t x, std::int32_t y,
                       std::span<const Value> values) {
  CanvasAt(window, canvas).WriteAt(x, y, values);
}

std::int32_t CanvasTextWidth(std::int32_t window, std::int32_t canvas, const Text& text) {
  return CanvasAt(window, canvas).TextWidth(text);
}

}  // namespace runtime
