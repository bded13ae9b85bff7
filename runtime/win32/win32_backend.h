// The Windows backend: native windows with Win32's own controls, GDI canvases, the
// message loop, and fatal errors in a message box.
//
// One backend serves the program's one user-interface thread. Its event loop is the
// thread's message loop; the keys the window runtime decides about (Esc, Tab, Enter)
// are taken out there, before an edit box sees them.
#pragma once

#include <memory>

#include "runtime/backend.h"

namespace runtime::win32 {

class Win32Backend final : public Backend {
 public:
  Win32Backend();

  std::unique_ptr<WindowHost> CreateWindowHost(Window& window) override;
  void RunEventLoop() override;
  void QuitEventLoop() override;
  void ShowFatalError(const Text& title, const Text& text) override;

 private:
  bool quit_ = false;
};

}  // namespace runtime::win32
