// A canvas control: it shows its off-screen image, and a repaint only copies it.
#pragma once

#include <QWidget>
#include <memory>

#include "runtime/qt/image_surface.h"
#include "runtime/window_definition.h"

namespace runtime::qt {

class CanvasWidget final : public QWidget {
 public:
  CanvasWidget(QWidget* parent, const ControlDefinition& definition, std::int32_t vertical_dpi);

  ImageSurface& surface() { return *surface_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::unique_ptr<ImageSurface> surface_;
};

}  // namespace runtime::qt
