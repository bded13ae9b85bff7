# The calendar window on Qt: start-up to the first painted frame and peak memory, next
# to an empty Qt window, and one RedrawMonth painted into the real canvas image.
if(TARGET runtime_qt AND TARGET runtime_alsa)
  find_package(Qt6 REQUIRED COMPONENTS Widgets Test)
  add_executable(wnl_first_frame_calendar qt/first_frame_calendar.cpp)
  target_link_libraries(wnl_first_frame_calendar PRIVATE app app_assets runtime_qt runtime_alsa Qt6::Widgets)
  add_executable(wnl_first_frame_empty qt/first_frame_empty.cpp)
  target_link_libraries(wnl_first_frame_empty PRIVATE Qt6::Widgets)
  add_executable(wnl_first_frame_text qt/first_frame_text.cpp)
  target_link_libraries(wnl_first_frame_text PRIVATE Qt6::Widgets)

  add_executable(qt_window_bench qt/qt_window_bench.cpp)
  target_link_libraries(qt_window_bench PRIVATE app runtime_qt Qt6::Widgets Qt6::Test benchmark::benchmark)
  target_compile_definitions(qt_window_bench PRIVATE WNL_PROBE_DIR="${CMAKE_CURRENT_BINARY_DIR}")
  add_dependencies(qt_window_bench wnl_first_frame_calendar wnl_first_frame_empty wnl_first_frame_text)
  foreach(t wnl_first_frame_calendar wnl_first_frame_empty wnl_first_frame_text qt_window_bench)
    target_compile_options(${t} PRIVATE -fexec-charset=UTF-8)
  endforeach()
endif()
