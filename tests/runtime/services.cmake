wnl_add_test(runtime_services_test
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/numbers_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/texts_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dates_test.cpp
  LIBS runtime runtime_headless)
