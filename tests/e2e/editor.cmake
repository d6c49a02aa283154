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
