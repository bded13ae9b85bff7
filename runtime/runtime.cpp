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

Runtime::Runtime(Backend& backend, RuntimeServices services)
    : backend_(backend), services_(services) {
  if (g_current != nullptr) FatalError("运行时已在运行");
  g_current = this;
  lunar::SetServiceFunction(&AllocateLibraryText);
}

Runtime::~Runtime() {
  DestroyAll();
  StopSounds();
  g_current = nullptr;
}

Runtime* Runtime::Current() { return g_current; }

Window& Runtime::LoadWindow(const WindowDefinition& definition) {
  if (!ControlsFit(definition) || FindWindow(definition.number) != nullptr) {
    FatalError("载入启动窗口失败");
  }
  // Registered before loading, so that the creation event's handler can reach it.
  windows_.push_back(std::make_unique<Window>(*this, definition));
  Window& window = *windows_.back();
  window.Load();
  return window;
}

void Runtime::UnloadWindow(std::int32_t number) {
  if (Window* window = FindWindow(number)) window->Close();
}

void Runtime::DestroyWindow(Window& window) {
  const auto it = std::find_if(windows_.begin(), windows_.end(),
                               [&window](const auto& w) { return w.get() == &window; });
  if (it == windows_.end()) return;
  // Out of the list before it goes, so that nothing finds a window being destroyed.
  std::unique_ptr<Window> gone = std::move(*it);
  windows_.erase(it);
  gone.reset();
  if (windows_.empty()) backend_.QuitEventLoop();
}

void Runtime::Run() {
  std::vector<Window*> closing;
  for (const auto& window : windows_) {
    if (window->close_pending()) closing.push_back(window.get());
  }
  for (Window* window : closing) window->Close();
  if (HasWindows()) backend_.RunEventLoop();
  DestroyAll();
  StopSounds();
}

// One at a time, so that each window's destruction sees the others still there.
void Runtime::DestroyAll() {
  while (!windows_.empty()) {
    std::unique_ptr<Window> last = std::move(windows_.back());
    windows_.pop_back();
  }
}

void Runtime::StopSounds() {
  if (services_.sound != nullptr) services_.sound->StopAll();
}

std::span<const std::uint8_t> Runtime::FindAsset(std::string_view name) const {
  return runtime::FindAsset(services_.assets, name);
}

Window* Runtime::FindWindow(std::int32_t number) {
  for (const auto& window : windows_) {
    if (window->number() == number) return window.get();
  }
  return nullptr;
}

}  // namespace runtime
