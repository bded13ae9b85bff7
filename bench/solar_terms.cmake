# Solar-term lookups per day as the calendar makes them: SolarTermOn (goal: at most
# 100 ns a call) and GetSolarTerm over the days of a year (goal: at most 40 us a call).
wnl_add_bench(solar_terms_bench
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/solar_terms/solar_term_on_bench.cpp
    ${CMAKE_CURRENT_LIST_DIR}/solar_terms/get_solar_term_bench.cpp
  LIBS lunar)
