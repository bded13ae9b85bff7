// The Qt face of one loaded window: the top-level widget and a widget per control,
// mirroring the portable state, with the widgets' reports going to the window.
//
// Controls sit in their container (the top-level widget or a shape box) at their
// positions. Each edit box with an up-down range gets two arrow buttons right of it,
// the upper half for up and the lower half for down.
#pragma once

#include <QPointer>
#include <array>
#include <map>

#include "runtime/backend.h"
#include "runtime/qt/arrow_button.h"
#include "runtime/qt/canvas_widget.h"
#include "runtime/qt/edit_box_widget.h"
#include "runtime/qt/label_widget.h"
#include "runtime/qt/reporter.h"
#include "runtime/qt/top_level_widget.h"

namespace runtime::qt {

class QtWindowHost final : public WindowHost {
 public:
  explicit QtWindowHost(Window& window);
  // Detaches the reports, hides the window and lets the widgets go from the event loop.
  ~QtWindowHost() override;

  void CreateControl(const ControlState& control) override;
  Surface& CanvasSurface(const ControlState& canvas) override;
  void ShowControl(const ControlState& control) override;
  void ShowWindow() override;
  void ShowText(const ControlState& edit_box) override;
  void ShowCaption(const ControlState& label) override;
  void SelectAll(const ControlState& edit_box) override;
  void ScrollIntoView(const ControlState& edit_box) override;
  void Focus(const ControlState& control) override;

  // For tests and benchmarks: the widgets by control number.
  TopLevelWidget* top_level() const { return top_; }
  QWidget* WidgetOf(std::int32_t control) const;
  ArrowButton* ArrowOf(std::int32_t edit_box, UpDownArrow arrow) const;
  CanvasWidget* CanvasOf(std::int32_t canvas) const;

 private:
  QWidget* ContainerOf(const ControlDefinition& control) const;

  ReporterRef reporter_;
  QPointer<TopLevelWidget> top_;
  std::map<std::int32_t, QWidget*> widgets_;
  std::map<std::int32_t, std::array<ArrowButton*, 2>> arrows_;
};

// The host of a window loaded on the Qt backend.
QtWindowHost& QtHostOf(Window& window);

}  // namespace runtime::qt
