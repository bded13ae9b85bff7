// wannianli.exe: the calendar on the Windows backend, its melody on waveOut.
#include "app/assets.h"
#include "app/window_definition.h"
#include "runtime/program.h"
#include "runtime/sound/player_hook.h"
#include "runtime/sound/sound_player.h"
#include "runtime/win32/waveout_output.h"
#include "runtime/win32/win32_backend.h"

int wmain() {
  runtime::win32::Win32Backend backend;
  runtime::sound::SoundPlayer player(&runtime::win32::MakeWaveOutOutput);
  runtime::sound::PlayerHook sound(player);
  const runtime::WindowDefinition* const windows[] = {&app::kCalendarWindowDefinition};
  const runtime::Program program{windows, app::kCalendarWindow, {app::CalendarAssets(), &sound}};
  return runtime::RunProgram(backend, program);
}
