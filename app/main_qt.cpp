// The calendar on a Linux desktop: the Qt backend, the melody through ALSA, and the
// program run. Without a display the current month goes to the terminal instead.
#include <cstdio>

#include "app/assets.h"
#include "app/terminal_month.h"
#include "app/window_definition.h"
#include "runtime/alsa/alsa_output.h"
#include "runtime/program.h"
#include "runtime/qt/qt_backend.h"
#include "runtime/sound/player_hook.h"
#include "runtime/sound/sound_player.h"

int main(int argc, char** argv) {
  if (!runtime::qt::HaveDisplay()) {
    std::fputs("wannianli: no display to open the window on (DISPLAY, WAYLAND_DISPLAY and "
               "QT_QPA_PLATFORM are unset); here is this month instead.\n\n",
               stderr);
    app::PrintCurrentMonth(stdout);
    return 0;
  }
  runtime::sound::SoundPlayer player([] { return runtime::alsa::MakeAlsaOutput(); });
  runtime::sound::PlayerHook sound(player);
  const std::unique_ptr<runtime::Backend> backend = runtime::qt::MakeQtBackend(argc, argv);
  const runtime::WindowDefinition* windows[] = {&app::kCalendarWindowDefinition};
  return runtime::RunProgram(*backend, {windows, app::kCalendarWindow, {app::CalendarAssets(), &sound}});
}
