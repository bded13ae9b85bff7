# The background sound player's cost while it loops, and the caller's cost to start
# and stop it.
if(TARGET runtime_sound AND TARGET wnl_assets)
  wnl_add_bench(sound_bench SOURCES sound/sound_player_bench.cpp LIBS runtime_sound wnl_assets)
endif()
