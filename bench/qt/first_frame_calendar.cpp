// The calendar program as main_qt.cpp wires it, ending right after its canvas has been
// painted for the first time: what the start-up benchmark times and measures.
#include <QApplication>
#include <QTimer>

#include "app/assets.h"
#include "app/window_definition.h"
#include "runtime/alsa/alsa_output.h"
#include "runtime/program.h"
#include "runtime/qt/canvas_widget.h"
#include "runtime/qt/qt_backend.h"
#include "runtime/runtime.h"
#include "runtime/sound/player_hook.h"
#include "runtime/sound/sound_player.h"

namespace {

// Once the canvas has been painted, closes the window the way the close button does.
class FirstPaint final : public QObject {
 protected:
  bool eventFilter(QObject* object, QEvent* event) override {
    if (event->type() == QEvent::Paint && dynamic_cast<runtime::qt::CanvasWidget*>(object) != nullptr) {
      QTimer::singleShot(0, [] {
        if (runtime::Runtime* rt = runtime::Runtime::Current()) rt->UnloadWindow(app::kCalendarWindow);
      });
    }
    return false;
  }
};

}  // namespace

int main(int argc, char** argv) {
  runtime::sound::SoundPlayer player([] { return runtime::alsa::MakeAlsaOutput(); });
  runtime::sound::PlayerHook sound(player);
  const std::unique_ptr<runtime::Backend> backend = runtime::qt::MakeQtBackend(argc, argv);
  FirstPaint first_paint;
  qApp->installEventFilter(&first_paint);
  const runtime::WindowDefinition* windows[] = {&app::kCalendarWindowDefinition};
  return runtime::RunProgram(*backend, {windows, app::kCalendarWindow, {app::CalendarAssets(), &sound}});
}
