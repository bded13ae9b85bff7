# The lunar calendar library: table lookups, solar dates, conversions and their sweeps
# over the whole span, names, and the five entry points.
wnl_add_test(lunar_test
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/year_table_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/solar_date_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/conversion_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/conversion_sweep_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/names_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/date_value_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/entry_points_test.cpp
  LIBS lunar)
