# The Windows backend, under wine. The window tests open real windows: scripts/test runs
# the Windows suite inside Xvfb.
if(NOT TARGET runtime_win32)
  return()
endif()

wnl_add_test(win32_backend_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/win32/gdi_surface_test.cpp
  LIBS runtime_win32)

wnl_add_test(win32_window_test
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/win32/calendar_window_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/win32/program_file_test.cpp
  LIBS app app_assets app_win32_resources runtime_win32 runtime_headless version shell32
  # One window at a time on the shared display: a window opening elsewhere takes the
  # activation and the focus that these cases check.
  PROPERTIES RESOURCE_LOCK win32_display)
target_compile_definitions(win32_window_test PRIVATE
  WNL_APP_FIXTURES="${PROJECT_SOURCE_DIR}/tests/app/fixtures"
  WNL_PROGRAM_FILE="$<TARGET_FILE:wannianli>"
  WNL_PROJECT_VERSION="${PROJECT_VERSION}")
add_dependencies(win32_window_test wannianli)

# Wine keeps what it learns of the sound devices in its prefix, so the runs with and
# without a device take turns.
wnl_add_test(win32_sound_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/win32/waveout_output_test.cpp
  LIBS runtime_win32 wnl_assets winmm
  PROPERTIES RESOURCE_LOCK win32_sound)
# Once more with wine's sound device being ALSA's file plugin: what the device received.
set(capture_dir ${CMAKE_CURRENT_BINARY_DIR}/win32_capture)
file(MAKE_DIRECTORY ${capture_dir})
file(WRITE ${capture_dir}/asound.conf
  "</usr/share/alsa/alsa.conf>\n"
  "pcm.!default { type file; slave.pcm \"null\"; file \"${capture_dir}/captured.raw\"; format \"raw\" }\n")
wnl_add_test(win32_sound_capture_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/win32/waveout_output_test.cpp
  LIBS runtime_win32 wnl_assets winmm
  PROPERTIES RESOURCE_LOCK win32_sound ENVIRONMENT ALSA_CONFIG_PATH=${capture_dir}/asound.conf)
target_compile_definitions(win32_sound_capture_test PRIVATE
  WNL_CAPTURE_FILE="${capture_dir}/captured.raw")
