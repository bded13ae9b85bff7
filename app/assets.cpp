#include "app/assets.h"

#include "embedded/wnl_sound_track.h"
#include "embedded/wnl_window_icon.h"

namespace app {

std::span<const runtime::Asset> CalendarAssets() {
  static const runtime::Asset kAssets[] = {
      {"wnl_window_icon", {wnl_window_icon, wnl_window_icon_size}},
      {"wnl_sound_track", {wnl_sound_track, wnl_sound_track_size}},
  };
  return kAssets;
}

}  // namespace app
