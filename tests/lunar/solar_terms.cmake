# The solar-term table (against the fixed days and sample moments), its two lookups, and
# GetSolarTerm over them.
wnl_add_test(solar_term_table_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/solar_term_table_test.cpp
  LIBS lunar)
wnl_add_test(solar_terms_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/solar_terms_test.cpp
  LIBS lunar)
wnl_add_test(get_solar_term_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/get_solar_term_test.cpp
  LIBS lunar)

# Where the generator can be built, the committed table must be exactly what it writes.
if(TARGET solarterms)
  add_test(NAME solar_term_table_regenerates
    COMMAND sh -c "set -e; \"$1\" \"$2\"; if ! cmp \"$3\" \"$2\"; then diff -u \"$3\" \"$2\" | head -n 40; exit 1; fi"
            sh $<TARGET_FILE:solarterms> ${CMAKE_CURRENT_BINARY_DIR}/solar_term_table.cpp
            ${PROJECT_SOURCE_DIR}/lunar/solar_term_table.cpp)
endif()
