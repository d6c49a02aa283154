# GoogleTest from Debian's sources, built inside each tree, and the test helpers.
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

enable_testing()

# tenmark_test(NAME SOURCES ... [LIBS ...])
# One executable, registered once: under Wine the whole executable is one Wine start.
function(tenmark_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main GTest::gmock)
  tenmark_sanitize(${name})
  add_test(NAME ${name} COMMAND ${name} --gtest_brief=1 WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "TENMARK_SOURCE_DIR=${PROJECT_SOURCE_DIR}" TIMEOUT 600)
endfunction()
