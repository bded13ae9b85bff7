#include "runtime/win32/message_loop.h"

#include <optional>

#include "runtime/win32/win32_window_host.h"

namespace runtime::win32 {
namespace {

std::optional<Key> RuntimeKey(const MSG& message) {
  if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return std::nullopt;
  switch (message.wParam) {
    case VK_ESCAPE: return Key::kEscape;
    case VK_TAB: return Key::kTab;
    case VK_RETURN: return Key::kEnter;
    default: return std::nullopt;
  }
}

bool Down(int key) { return GetKeyState(key) < 0; }

}  // namespace

void ProcessMessage(const MSG& message) {
  if (const std::optional<Key> key = RuntimeKey(message)) {
    HWND root = message.hwnd != nullptr ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (Win32WindowHost* host = Win32WindowHost::FromHandle(root)) {
      const KeyModifiers modifiers{Down(VK_SHIFT), Down(VK_CONTROL), Down(VK_MENU)};
      if (host->ReportKey(*key, modifiers)) return;
      DispatchMessageW(&message);
      return;
    }
  }
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

void ProcessPendingMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    ProcessMessage(message);
  }
}

}  // namespace runtime::win32
