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

# The window on a screen of 192 dots per inch (200 %), in a copy of the tree's wine
# prefix (cmake/mingw-w64.cmake puts it in wineprefix/) with that display setting. Its
# cases share the window tests' display; once they are done the copy's wine is waited
# for, so that none of it outlives the display.
set(win32_dpi_run
  ${CMAKE_CURRENT_LIST_DIR}/win32/wine-at-dpi.sh ${PROJECT_SOURCE_DIR}/cmake/wine-run.sh
  ${CMAKE_BINARY_DIR}/wineprefix 192)
set(win32_default_run ${CMAKE_CROSSCOMPILING_EMULATOR})
set(CMAKE_CROSSCOMPILING_EMULATOR ${win32_dpi_run})
wnl_add_test(win32_hidpi_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/win32/hidpi_window_test.cpp
  LIBS app app_assets app_win32_resources runtime_win32 runtime_headless
  PROPERTIES RESOURCE_LOCK win32_display FIXTURES_REQUIRED win32_192_dpi)
set(CMAKE_CROSSCOMPILING_EMULATOR ${win32_default_run})
target_compile_definitions(win32_hidpi_test PRIVATE
  WNL_APP_FIXTURES="${PROJECT_SOURCE_DIR}/tests/app/fixtures")
add_test(NAME win32_hidpi_wine_ended COMMAND ${win32_dpi_run} --wait)
set_tests_properties(win32_hidpi_wine_ended PROPERTIES FIXTURES_CLEANUP win32_192_dpi TIMEOUT 150)
