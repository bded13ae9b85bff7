// The runtime of one program run: start-up, the loaded windows, the backend.
//
// Start-up hands the lunar library its service function and makes this runtime the
// current one, through which the program's free operations (properties.h, fatal.h) reach
// their window and the backend. Exactly one runtime exists at a time; it lives on the
// user-interface thread from start-up to the end of the program.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "runtime/backend.h"
#include "runtime/window.h"
#include "runtime/window_definition.h"

namespace runtime {

class Runtime {
 public:
  explicit Runtime(Backend& backend);
  ~Runtime();
  Runtime(const Runtime&) = delete;
  Runtime& operator=(const Runtime&) = delete;

  static Runtime* Current();

  Backend& backend() { return backend_; }

  // Loads a window in the fixed order: events held, native window created hidden,
  // controls created hidden then shown, events resumed, the creation event, and only
  // then the window shown. A definition whose controls do not fit together is a fatal
  // error ("载入启动窗口失败").
  Window& LoadWindow(const WindowDefinition& definition);

  // Destroys a window and its native face. Unknown numbers are ignored.
  void UnloadWindow(std::int32_t number);

  Window* FindWindow(std::int32_t number);
  bool HasWindows() const { return !windows_.empty(); }

 private:
  Backend& backend_;
  std::vector<std::unique_ptr<Window>> windows_;
};

}  // namespace runtime
