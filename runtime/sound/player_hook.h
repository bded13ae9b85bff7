// The runtime's sound hook over the portable sound player: what the program installs
// so that windows play their background sound on the platform's PCM output.
#pragma once

#include "runtime/sound/sound_player.h"
#include "runtime/sound_hook.h"

namespace runtime::sound {

class PlayerHook final : public SoundHook {
 public:
  explicit PlayerHook(SoundPlayer& player) : player_(player) {}

  // The runtime's tracks are stored assets, valid for the whole program.
  Id Start(std::span<const std::uint8_t> track, bool loop) override { return player_.PlayStored(track, loop); }
  void Stop(Id id) override { player_.Stop(id); }
  void StopAll() override { player_.StopAll(); }

 private:
  SoundPlayer& player_;
};

}  // namespace runtime::sound
