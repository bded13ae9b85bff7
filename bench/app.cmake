wnl_add_bench(app_bench
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/redraw_month_bench.cpp
  LIBS app runtime_headless)
