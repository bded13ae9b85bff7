#include "runtime/qt/qt_backend.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdlib>

#include "runtime/qt/fonts.h"
#include "runtime/qt/gbk.h"
#include "runtime/qt/window_host.h"

namespace runtime::qt {
namespace {

bool Set(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && value[0] != '\0';
}

class QtBackend final : public Backend {
 public:
  QtBackend(int& argc, char** argv) {
    if (QCoreApplication::instance() == nullptr) owned_ = std::make_unique<QApplication>(argc, argv);
    // The runtime ends the loop when its last window is gone.
    QApplication::setQuitOnLastWindowClosed(false);
    MapFaces();
  }

  std::unique_ptr<WindowHost> CreateWindowHost(Window& window) override {
    return std::make_unique<QtWindowHost>(window);
  }

  void RunEventLoop() override {
    QApplication::exec();
    // The widgets of closed windows were handed to the loop for deletion.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  void QuitEventLoop() override { QCoreApplication::exit(0); }

  void ShowFatalError(const Text& title, const Text& text) override {
    QMessageBox box(QMessageBox::Critical, FromGbk(title), FromGbk(text), QMessageBox::Ok);
    box.exec();
  }

 private:
  std::unique_ptr<QApplication> owned_;
};

}  // namespace

bool HaveDisplay() { return Set("DISPLAY") || Set("WAYLAND_DISPLAY") || Set("QT_QPA_PLATFORM"); }

std::unique_ptr<Backend> MakeQtBackend(int& argc, char** argv) {
  return std::make_unique<QtBackend>(argc, argv);
}

}  // namespace runtime::qt
