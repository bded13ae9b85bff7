#include "runtime/win32/win32_backend.h"

#include "runtime/win32/windows_api.h"

#include "runtime/win32/message_loop.h"
#include "runtime/win32/panels.h"
#include "runtime/win32/wide_text.h"
#include "runtime/win32/win32_window_host.h"

namespace runtime::win32 {
namespace {

HINSTANCE ProgramInstance() { return GetModuleHandleW(nullptr); }

}  // namespace

Win32Backend::Win32Backend() {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_UPDOWN_CLASS | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  RegisterWindowClasses(ProgramInstance(), &Win32WindowHost::WindowProcedure);
}

std::unique_ptr<WindowHost> Win32Backend::CreateWindowHost(Window& window) {
  return Win32WindowHost::Create(window, ProgramInstance());
}

void Win32Backend::RunEventLoop() {
  quit_ = false;
  MSG message;
  while (!quit_) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0 || got == -1) break;
    ProcessMessage(message);
  }
}

// The last window may go inside a report that a window procedure makes; the loop ends
// when it next looks, which the empty message makes at once.
void Win32Backend::QuitEventLoop() {
  quit_ = true;
  PostThreadMessageW(GetCurrentThreadId(), WM_NULL, 0, 0);
}

void Win32Backend::ShowFatalError(const Text& title, const Text& text) {
  MessageBoxW(nullptr, WideFromGbk(text).c_str(), WideFromGbk(title).c_str(),
              MB_OK | MB_ICONERROR | MB_TASKMODAL | MB_SETFOREGROUND);
}

}  // namespace runtime::win32
