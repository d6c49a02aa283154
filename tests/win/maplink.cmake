# The map link under Wine, in-process: the map object dialog on the real registry (a scratch
# key), and the editor's side of the wire against a stand-in bridge window.
tenmark_test(maplink_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/maplink_test_support.cpp
    ${CMAKE_CURRENT_LIST_DIR}/maplink_object_dialog_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/maplink_link_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/maplink_bridge_wait_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/editor_test_support.cpp
  LIBS tenmark_ui tenmark_resources)
# A bridge that ignores WM_CLOSE, for the bounded waits.
add_executable(maplink_stuck_bridge WIN32 ${CMAKE_CURRENT_LIST_DIR}/maplink_stuck_bridge_main.cpp)
target_link_options(maplink_stuck_bridge PRIVATE -municode)
add_dependencies(maplink_tests tenmark_mark_icons maplink_stuck_bridge)
# Windows titled "Cartolink" and "Markwerk" are found by title: no other map link test may
# run beside these.
set_tests_properties(maplink_tests PROPERTIES RESOURCE_LOCK mapview_registry)
