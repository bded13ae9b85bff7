// The runtime of one program run: start-up, the loaded windows, the backend, the
// program's assets and its sound.
//
// Start-up hands the lunar library its service function and makes this runtime the
// current one, through which the program's free operations (properties.h, fatal.h) reach
// their window and the backend. Exactly one runtime exists at a time; it lives on the
// user-interface thread from start-up to the end of the program.
//
// The end: when the last window has been destroyed the event loop ends; Run then stops
// every sound still playing and waits for the sound threads.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "runtime/assets.h"
#include "runtime/backend.h"
#include "runtime/sound_hook.h"
#include "runtime/window.h"
#include "runtime/window_definition.h"

namespace runtime {

// What the program hands the runtime besides the backend.
struct RuntimeServices {
  std::span<const Asset> assets;  // named by the window definitions (icon, sound)
  SoundHook* sound = nullptr;     // none: every window is silent
};

class Runtime {
 public:
  explicit Runtime(Backend& backend, RuntimeServices services = {});
  ~Runtime();  // destroys the windows left, then stops every sound and waits for them
  Runtime(const Runtime&) = delete;
  Runtime& operator=(const Runtime&) = delete;

  static Runtime* Current();

  Backend& backend() { return backend_; }
  SoundHook* sound() { return services_.sound; }
  std::span<const std::uint8_t> FindAsset(std::string_view name) const;

  // Loads a window in the fixed order: events held, native window created hidden with
  // its sound started, controls created hidden then shown, events resumed, the creation
  // event, and only then the window shown. A definition whose controls do not fit
  // together, or a window the platform cannot make, is a fatal error ("载入启动窗口失败").
  Window& LoadWindow(const WindowDefinition& definition);

  // Closes a window (see Window::Close). Unknown numbers are ignored.
  void UnloadWindow(std::int32_t number);

  Window* FindWindow(std::int32_t number);
  bool HasWindows() const { return !windows_.empty(); }

  // Runs the event loop until no window is left (windows closed while loading close
  // first), destroys any window the loop left, stops every sound and waits for them.
  void Run();

 private:
  friend class Window;
  // Destroys the window and its native face, now; the last one ends the event loop.
  void DestroyWindow(Window& window);
  void DestroyAll();
  void StopSounds();

  Backend& backend_;
  RuntimeServices services_;
  std::vector<std::unique_ptr<Window>> windows_;
};

}  // namespace runtime
