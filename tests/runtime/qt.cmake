# The Qt backend and the calendar window on it, under Qt's offscreen platform. Like the
# backend, these sources hold UTF-8 literals (Qt's headers need <chrono>).
if(TARGET runtime_qt)
  find_package(Qt6 REQUIRED COMPONENTS Widgets Test)
  wnl_add_test(qt_backend_test
    SOURCES
      ${CMAKE_CURRENT_LIST_DIR}/qt/widgets_test.cpp
      ${CMAKE_CURRENT_LIST_DIR}/qt/calendar_window_test.cpp
    LIBS runtime_qt app app_assets Qt6::Widgets Qt6::Test
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;XDG_RUNTIME_DIR=${CMAKE_CURRENT_BINARY_DIR}/xdg")
  target_compile_options(qt_backend_test PRIVATE -fexec-charset=UTF-8)
  target_compile_definitions(qt_backend_test PRIVATE WNL_SHOT_DIR="${CMAKE_CURRENT_BINARY_DIR}")
  # Qt wants its runtime folder private.
  file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/xdg)
  file(CHMOD ${CMAKE_CURRENT_BINARY_DIR}/xdg DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)

  # The same tests once more on X11, in a virtual X server of its own.
  find_program(XVFB_RUN xvfb-run)
  if(XVFB_RUN)
    add_test(NAME qt_backend_test_on_x11
             COMMAND ${XVFB_RUN} -a -s "-screen 0 1024x768x24" $<TARGET_FILE:qt_backend_test>)
    set_tests_properties(qt_backend_test_on_x11 PROPERTIES TIMEOUT 300
      ENVIRONMENT "QT_QPA_PLATFORM=xcb;XDG_RUNTIME_DIR=${CMAKE_CURRENT_BINARY_DIR}/xdg")
  endif()
endif()
