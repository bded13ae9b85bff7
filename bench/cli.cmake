# wnl as a whole process: the lunar dates of the whole span as TSV, one month's draw
# list as JSON (also from wnl-render, which links Qt), and a picture of the window.
if(WIN32)
  return()
endif()
wnl_add_bench(cli_bench
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/cli/wnl_process_bench.cpp
  LIBS)
target_compile_definitions(cli_bench PRIVATE WNL_BINARY="$<TARGET_FILE:wnl>")
add_dependencies(cli_bench wnl)
if(TARGET wnl_render)
  target_compile_definitions(cli_bench PRIVATE WNL_RENDER_BINARY="$<TARGET_FILE:wnl_render>")
endif()
