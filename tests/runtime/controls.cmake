wnl_add_test(runtime_controls_test
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/controls_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/up_down_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/window_behaviour_test.cpp
  LIBS runtime runtime_headless)
