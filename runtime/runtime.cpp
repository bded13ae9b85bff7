#include "runtime/runtime.h"

#include <algorithm>

#include "lunar/entry_points.h"
#include "runtime/fatal.h"
#include "runtime/library_texts.h"

namespace runtime {
namespace {

Runtime* g_current = nullptr;

// Every container is the window or a shape box defined before the control, and no two
// controls share a number.
bool ControlsFit(const WindowDefinition& definition) {
  const auto controls = definition.controls;
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const ControlDefinition& c = controls[i];
    if (c.number == 0) return false;
    bool container_found = c.container == 0;
    for (std::size_t j = 0; j < i; ++j) {
      if (controls[j].number == c.number) return false;
      if (controls[j].number == c.container && controls[j].kind == ControlKind::kShapeBox) {
        container_found = true;
      }
    }
    if (!container_found) return false;
  }
  return true;
}

}  // namespace

Runtime::Runtime(Backend& backend) : backend_(backend) {
  if (g_current != nullptr) FatalError("运行时已在运行");
  g_current = this;
  lunar::SetServiceFunction(&AllocateLibraryText);
}

Runtime::~Runtime() {
  windows_.clear();
  g_current = nullptr;
}

Runtime* Runtime::Current() { return g_current; }

Window& Runtime::LoadWindow(const WindowDefinition& definition) {
  if (!ControlsFit(definition) || FindWindow(definition.number) != nullptr) {
    FatalError("载入启动窗口失败");
  }
  // Registered before loading, so that the creation event's handler can reach it.
  windows_.push_back(std::make_unique<Window>(definition));
  Window& window = *windows_.back();
  window.Load(backend_);
  return window;
}

void Runtime::UnloadWindow(std::int32_t number) {
  std::erase_if(windows_, [number](const auto& w) { return w->number() == number; });
}

Window* Runtime::FindWindow(std::int32_t number) {
  for (const auto& window : windows_) {
    if (window->number() == number) return window.get();
  }
  return nullptr;
}

}  // namespace runtime
