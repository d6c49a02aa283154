# MapView under Wine: its portable core, and the real MapView.exe as an out-of-process
# server (registration, activation by identifier, every member, the call record, events).
tenmark_test(mapview_core_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/mapview_core_test.cpp
  LIBS mapview_core)

# The server tests need their own main() (COM initialised on the test thread).
function(mapview_wine_test name)
  add_executable(${name} ${ARGN} ${CMAKE_CURRENT_LIST_DIR}/mapview_test_support.cpp)
  target_link_libraries(${name} PRIVATE mapview_core GTest::gtest ole32 oleaut32 uuid user32 advapi32)
  add_dependencies(${name} MapView)
  add_test(NAME ${name} COMMAND ${name} --gtest_brief=1 WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  # Registration is machine-wide in the prefix: tests that change it or rely on it take turns.
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "TENMARK_SOURCE_DIR=${PROJECT_SOURCE_DIR}" TIMEOUT 600
                                          RESOURCE_LOCK mapview_registry)
endfunction()

mapview_wine_test(mapview_server_test ${CMAKE_CURRENT_LIST_DIR}/mapview_server_test.cpp)
mapview_wine_test(mapview_registration_test ${CMAKE_CURRENT_LIST_DIR}/mapview_registration_test.cpp)
