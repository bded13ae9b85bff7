wnl_add_test(runtime_icon_file_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/icon_file_test.cpp
  LIBS runtime app_assets)
