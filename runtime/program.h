// A whole program run, the same on every platform: the runtime starts on the backend,
// reads the program's window definitions, loads the start-up window, runs the event loop
// until no window is left, stops every sound and waits for the sound threads.
//
// Definitions that cannot be read are a fatal error ("载入窗口模板数据段出错!"): none at
// all, or one without a number, a title or an outer size, or two with the same number.
// A start-up window that is not among them, or that cannot be loaded, is the fatal error
// "载入启动窗口失败".
#pragma once

#include <cstdint>
#include <span>

#include "runtime/backend.h"
#include "runtime/runtime.h"
#include "runtime/window_definition.h"

namespace runtime {

struct Program {
  std::span<const WindowDefinition* const> windows;
  std::int32_t startup_window = 0;
  RuntimeServices services;
};

bool DefinitionsReadable(std::span<const WindowDefinition* const> windows);

// Returns the program's exit status.
int RunProgram(Backend& backend, const Program& program);

}  // namespace runtime
