wnl_add_test(runtime_canvas_test
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/canvas_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/font_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/recording_surface_test.cpp
  LIBS runtime runtime_headless)
