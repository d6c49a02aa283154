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

# MapView against loopback tile and search servers the test starts (Python, standard library).
find_package(Python3 COMPONENTS Interpreter)
if(Python3_FOUND)
  add_executable(mapview_tiles_test ${CMAKE_CURRENT_LIST_DIR}/mapview_tiles_test.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/mapview_test_support.cpp)
  target_link_libraries(mapview_tiles_test PRIVATE mapview_core mapview_tiles_win mapview_net nlohmann_json
                        GTest::gtest ole32 oleaut32 uuid user32 advapi32)
  add_dependencies(mapview_tiles_test MapView)
  add_test(NAME mapview_tiles_test
           COMMAND ${CMAKE_CURRENT_LIST_DIR}/tile_server/with_tile_servers.sh $<TARGET_FILE:mapview_tiles_test>
                   --gtest_brief=1
           WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  set_tests_properties(mapview_tiles_test PROPERTIES ENVIRONMENT "TENMARK_SOURCE_DIR=${PROJECT_SOURCE_DIR}"
                                                     TIMEOUT 600 RESOURCE_LOCK mapview_registry)
endif()
