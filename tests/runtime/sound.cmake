# The sound player and its outputs.
if(TARGET runtime_sound)
  wnl_add_test(sound_test
    SOURCES sound/wave_track_test.cpp sound/sound_player_test.cpp
    LIBS runtime_sound)
endif()

if(TARGET runtime_alsa)
  wnl_add_test(alsa_output_test SOURCES alsa/alsa_output_test.cpp LIBS runtime_alsa)
endif()
