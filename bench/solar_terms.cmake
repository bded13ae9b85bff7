# Solar-term lookups: SolarTermOn per day (goal: at most 100 ns a call).
wnl_add_bench(solar_terms_bench
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/solar_terms/solar_term_on_bench.cpp
  LIBS lunar)
