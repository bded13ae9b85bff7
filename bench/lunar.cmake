# The lunar calendar library: conversions over the whole span, the worst searches, and
# the solar-term entry point.
wnl_add_bench(lunar_bench
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/lunar/conversion_bench.cpp
    ${CMAKE_CURRENT_LIST_DIR}/lunar/entry_points_bench.cpp
  LIBS lunar)
