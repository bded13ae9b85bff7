# wnl run as a process: each command through its main path and its errors, the exact TSV
# and JSON forms, and a month's draw list against the month view's own fixtures. The
# runs go through POSIX processes and a pseudo-terminal.
if(WIN32)
  return()
endif()
find_package(nlohmann_json REQUIRED)
wnl_add_test(cli_test
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/wnl_process.cpp
    ${CMAKE_CURRENT_LIST_DIR}/command_line_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/month_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/month_json_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/lunar_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/solar_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/terms_test.cpp
  LIBS lunar nlohmann_json::nlohmann_json)
target_compile_definitions(cli_test PRIVATE
  WNL_BINARY="$<TARGET_FILE:wnl>"
  WNL_VERSION="${PROJECT_VERSION}"
  WNL_APP_FIXTURES="${PROJECT_SOURCE_DIR}/tests/app/fixtures")
add_dependencies(cli_test wnl)
