#include "runtime/qt/still_image.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QStyleHints>
#include <QWindow>

#include "runtime/qt/window_host.h"
#include "runtime/window.h"

namespace runtime::qt {
namespace {

std::vector<std::uint8_t> Png(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG")) return {};
  return {bytes.begin(), bytes.end()};
}

void Settle(QWidget& top) {
  QElapsedTimer waited;
  waited.start();
  while (!(top.isActiveWindow() && top.windowHandle() != nullptr && top.windowHandle()->isExposed()) &&
         waited.elapsed() < 1000) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  QCoreApplication::processEvents();
}

}  // namespace

void SteadyCaret() { QGuiApplication::styleHints()->setCursorFlashTime(0); }

std::vector<std::uint8_t> WindowPng(Window& window) {
  TopLevelWidget* top = QtHostOf(window).top_level();
  if (top == nullptr) return {};
  Settle(*top);
  return Png(top->grab().toImage().convertToFormat(QImage::Format_RGB32));
}

std::vector<std::uint8_t> CanvasPng(Window& window, std::int32_t canvas) {
  CanvasWidget* widget = QtHostOf(window).CanvasOf(canvas);
  if (widget == nullptr) return {};
  return Png(widget->surface().image());
}

}  // namespace runtime::qt
