#include "runtime/program.h"

#include "runtime/fatal.h"

namespace runtime {

bool DefinitionsReadable(std::span<const WindowDefinition* const> windows) {
  if (windows.empty()) return false;
  for (std::size_t i = 0; i < windows.size(); ++i) {
    const WindowDefinition* w = windows[i];
    if (w == nullptr || w->number == 0 || w->title == nullptr || w->outer_width <= 0 ||
        w->outer_height <= 0) {
      return false;
    }
    for (std::size_t j = 0; j < i; ++j) {
      if (windows[j]->number == w->number) return false;
    }
  }
  return true;
}

int RunProgram(Backend& backend, const Program& program) {
  Runtime runtime(backend, program.services);
  if (!DefinitionsReadable(program.windows)) FatalError("载入窗口模板数据段出错!");
  const WindowDefinition* startup = nullptr;
  for (const WindowDefinition* w : program.windows) {
    if (w->number == program.startup_window) startup = w;
  }
  if (startup == nullptr) FatalError("载入启动窗口失败");
  runtime.LoadWindow(*startup);
  runtime.Run();
  return 0;
}

}  // namespace runtime
