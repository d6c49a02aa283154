# The editor with its map link end to end: Tenmark.exe, Cartolink2.exe and MapView.exe as
# real processes, driven from the test process.
tenmark_test(editor_e2e_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/bridge_e2e_driver.cpp
    ${CMAKE_CURRENT_LIST_DIR}/bridge_e2e_call_record.cpp
    ${CMAKE_CURRENT_LIST_DIR}/bridge_e2e_registration.cpp
    ${CMAKE_CURRENT_LIST_DIR}/editor_e2e_driver.cpp
    ${CMAKE_CURRENT_LIST_DIR}/editor_e2e_flow_test.cpp
  LIBS maplink_protocol tenmark_points user32 comctl32
)
target_include_directories(editor_e2e_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR})
add_dependencies(editor_e2e_tests Tenmark Cartolink2 MapView tenmark_mark_icons)
# The bridge finds the editor by the title "Markwerk", which every editor window test gives
# its windows too: this test runs alone. MapView's registration is shared with its own tests.
set_tests_properties(editor_e2e_tests PROPERTIES RESOURCE_LOCK mapview_registry RUN_SERIAL TRUE TIMEOUT 900)

# A place found by MapView's search, against a loopback server the test starts, captured by
# the editor through the bridge.
find_package(Python3 COMPONENTS Interpreter)
if(Python3_FOUND)
  add_executable(editor_e2e_search_tests
    ${CMAKE_CURRENT_LIST_DIR}/bridge_e2e_driver.cpp
    ${CMAKE_CURRENT_LIST_DIR}/bridge_e2e_call_record.cpp
    ${CMAKE_CURRENT_LIST_DIR}/bridge_e2e_registration.cpp
    ${CMAKE_CURRENT_LIST_DIR}/editor_e2e_driver.cpp
    ${CMAKE_CURRENT_LIST_DIR}/editor_e2e_search_test.cpp)
  target_include_directories(editor_e2e_search_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR})
  target_link_libraries(editor_e2e_search_tests PRIVATE maplink_protocol tenmark_points mapview_core mapview_net
                        user32 comctl32 advapi32 GTest::gtest GTest::gtest_main)
  add_dependencies(editor_e2e_search_tests Tenmark Cartolink2 MapView tenmark_mark_icons)
  add_test(NAME editor_e2e_search_tests
           COMMAND ${PROJECT_SOURCE_DIR}/tests/win/tile_server/with_tile_servers.sh
                   $<TARGET_FILE:editor_e2e_search_tests> --gtest_brief=1
           WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  set_tests_properties(editor_e2e_search_tests PROPERTIES ENVIRONMENT "TENMARK_SOURCE_DIR=${PROJECT_SOURCE_DIR}"
                       RESOURCE_LOCK mapview_registry RUN_SERIAL TRUE TIMEOUT 600)
endif()
