#include "runtime/qt/window_host.h"

#include <QGuiApplication>
#include <QScreen>

#include "runtime/qt/gbk.h"
#include "runtime/qt/icon.h"
#include "runtime/qt/panel_widget.h"
#include "runtime/runtime.h"
#include "runtime/window_geometry.h"

namespace runtime::qt {
namespace {

std::int32_t ScreenDpi() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen == nullptr ? 96 : qRound(screen->logicalDotsPerInchY());
}

}  // namespace

QtWindowHost::QtWindowHost(Window& window)
    : reporter_(std::make_shared<Reporter>(Reporter{&window})),
      top_(new TopLevelWidget(window.definition(), reporter_)) {
  const WindowDefinition& definition = window.definition();
  if (definition.icon != nullptr && Runtime::Current() != nullptr) {
    const QIcon icon = IconFromFile(Runtime::Current()->FindAsset(definition.icon));
    if (!icon.isNull()) top_->setWindowIcon(icon);
  }
}

QtWindowHost::~QtWindowHost() {
  reporter_->window = nullptr;
  if (top_ != nullptr) {
    top_->hide();
    top_->deleteLater();
  }
}

QWidget* QtWindowHost::ContainerOf(const ControlDefinition& control) const {
  if (control.container == 0) return top_;
  QWidget* container = WidgetOf(control.container);
  return container != nullptr ? container : top_.data();
}

void QtWindowHost::CreateControl(const ControlState& control) {
  const ControlDefinition& d = *control.definition;
  QWidget* parent = ContainerOf(d);
  QWidget* widget = nullptr;
  switch (d.kind) {
    case ControlKind::kShapeBox:
      widget = new PanelWidget(parent, d.background);
      break;
    case ControlKind::kLabel: {
      auto* label = new LabelWidget(parent, d);
      label->SetCaption(FromGbk(control.text));
      widget = label;
      break;
    }
    case ControlKind::kEditBox: {
      auto* box = new EditBoxWidget(parent, d, reporter_);
      box->ShowText(FromGbk(control.text));
      widget = box;
      if (control.has_up_down()) {
        const Rect r = UpDownRect(d);
        const int upper = r.height / 2;
        std::array<ArrowButton*, 2> pair = {new ArrowButton(parent, UpDownArrow::kUp),
                                            new ArrowButton(parent, UpDownArrow::kDown)};
        pair[0]->setGeometry(r.left, r.top, r.width, upper);
        pair[1]->setGeometry(r.left, r.top + upper, r.width, r.height - upper);
        for (ArrowButton* button : pair) {
          button->hide();
          button->setEnabled(control.enabled);
          const std::int32_t number = d.number;
          const UpDownArrow arrow = button->arrow();
          QObject::connect(button, &QAbstractButton::clicked, button, [reporter = reporter_, number, arrow] {
            if (Window* window = reporter->window) window->UserClickedUpDown(number, arrow);
          });
        }
        arrows_[d.number] = pair;
      }
      break;
    }
    case ControlKind::kCanvas:
      widget = new CanvasWidget(parent, d, ScreenDpi());
      break;
  }
  widget->setGeometry(d.left, d.top, d.width, d.height);
  widget->setEnabled(control.enabled);
  widget->hide();
  widgets_[d.number] = widget;
}

Surface& QtWindowHost::CanvasSurface(const ControlState& canvas) {
  return CanvasOf(canvas.number())->surface();
}

void QtWindowHost::ShowControl(const ControlState& control) {
  if (QWidget* widget = WidgetOf(control.number())) widget->show();
  if (const auto it = arrows_.find(control.number()); it != arrows_.end()) {
    for (ArrowButton* button : it->second) button->show();
  }
}

void QtWindowHost::ShowWindow() {
  top_->show();
  top_->activateWindow();
}

void QtWindowHost::ShowText(const ControlState& edit_box) {
  if (auto* box = dynamic_cast<EditBoxWidget*>(WidgetOf(edit_box.number()))) box->ShowText(FromGbk(edit_box.text));
}

void QtWindowHost::ShowCaption(const ControlState& label) {
  if (auto* widget = dynamic_cast<LabelWidget*>(WidgetOf(label.number()))) widget->SetCaption(FromGbk(label.text));
}

void QtWindowHost::SelectAll(const ControlState& edit_box) {
  if (auto* box = dynamic_cast<EditBoxWidget*>(WidgetOf(edit_box.number()))) box->selectAll();
}

// The line edit keeps its cursor in view by itself; after a select-all the cursor is at
// the end, so the end of the text shows, as in a box that scrolled while typing.
void QtWindowHost::ScrollIntoView(const ControlState& edit_box) {
  if (auto* box = dynamic_cast<EditBoxWidget*>(WidgetOf(edit_box.number()))) box->update();
}

void QtWindowHost::Focus(const ControlState& control) {
  if (QWidget* widget = WidgetOf(control.number())) widget->setFocus(Qt::OtherFocusReason);
}

QWidget* QtWindowHost::WidgetOf(std::int32_t control) const {
  const auto it = widgets_.find(control);
  return it == widgets_.end() ? nullptr : it->second;
}

ArrowButton* QtWindowHost::ArrowOf(std::int32_t edit_box, UpDownArrow arrow) const {
  const auto it = arrows_.find(edit_box);
  if (it == arrows_.end()) return nullptr;
  return it->second[arrow == UpDownArrow::kUp ? 0 : 1];
}

CanvasWidget* QtWindowHost::CanvasOf(std::int32_t canvas) const {
  return dynamic_cast<CanvasWidget*>(WidgetOf(canvas));
}

QtWindowHost& QtHostOf(Window& window) { return static_cast<QtWindowHost&>(window.host()); }

}  // namespace runtime::qt
