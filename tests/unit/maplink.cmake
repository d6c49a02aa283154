# Tests of the map link protocol and of the bridge's portable logic.
tenmark_test(protocol_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/protocol_frame_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/protocol_coord_text_test.cpp
  LIBS maplink_protocol
)
tenmark_test(bridge_lib_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/bridge_lib_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/bridge_lib_map_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/bridge_lib_dispatch_test.cpp
  LIBS bridge_logic
)
