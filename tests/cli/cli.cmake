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

# wnl render as a process: its pictures read back with Qt. Qt's platform and scale are
# wnl's own choice here (offscreen, 100 %) unless a test sets them.
if(TARGET wnl_render)
  find_package(Qt6 REQUIRED COMPONENTS Gui)
  wnl_add_test(render_test
    SOURCES
      ${CMAKE_CURRENT_LIST_DIR}/wnl_process.cpp
      ${CMAKE_CURRENT_LIST_DIR}/render_test.cpp
    LIBS Qt6::Gui
    PROPERTIES ENVIRONMENT_MODIFICATION
      "QT_QPA_PLATFORM=unset:;QT_SCALE_FACTOR=unset:;XDG_RUNTIME_DIR=set:${CMAKE_CURRENT_BINARY_DIR}/xdg")
  target_compile_options(render_test PRIVATE -fexec-charset=UTF-8)
  target_compile_definitions(render_test PRIVATE
    WNL_BINARY="$<TARGET_FILE:wnl>"
    WNL_RENDER_DIR="${CMAKE_CURRENT_BINARY_DIR}/render")
  add_dependencies(render_test wnl)
  file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/xdg)
  file(CHMOD ${CMAKE_CURRENT_BINARY_DIR}/xdg DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
endif()
