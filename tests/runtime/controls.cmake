wnl_add_test(runtime_controls_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/controls_test.cpp
  LIBS runtime runtime_headless)
