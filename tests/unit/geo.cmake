# Tests of the shared geodetic code.
tenmark_test(geo_unit_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/datum_test.cpp
  LIBS common_geo)
