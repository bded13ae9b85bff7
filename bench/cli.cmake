# wnl as a whole process: the lunar dates of the whole span as TSV, and one month's draw
# list as JSON.
if(WIN32)
  return()
endif()
wnl_add_bench(cli_bench
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/cli/wnl_process_bench.cpp
  LIBS)
target_compile_definitions(cli_bench PRIVATE WNL_BINARY="$<TARGET_FILE:wnl>")
add_dependencies(cli_bench wnl)
