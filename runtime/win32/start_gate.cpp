#include "runtime/win32/start_gate.h"

#include <condition_variable>
#include <mutex>

namespace runtime::win32 {
namespace {

std::mutex g_mutex;
std::condition_variable g_changed;
int g_opening = 0;

}  // namespace

void WindowOpening() {
  std::lock_guard lock(g_mutex);
  ++g_opening;
}

void WindowShown() {
  {
    std::lock_guard lock(g_mutex);
    if (g_opening > 0) --g_opening;
  }
  g_changed.notify_all();
}

void WaitUntilWindowsShown(std::uint32_t milliseconds) {
  std::unique_lock lock(g_mutex);
  g_changed.wait_for(lock, std::chrono::milliseconds(milliseconds), [] { return g_opening == 0; });
}

}  // namespace runtime::win32
