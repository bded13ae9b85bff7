wnl_add_test(app_test
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/redraw_month_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/startup_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/festivals_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/header_line_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/day_annotation_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/draw_list_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/window_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/terminal_month_test.cpp
  LIBS app app_assets app_terminal runtime_headless)
