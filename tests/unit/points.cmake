# The point core's tests.
tenmark_test(points_unit_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/text_bytes_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/field_conversions_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/coord_input_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/coord_entry_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/point_document_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/point_history_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/point_tools_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/qpf_file_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/file_access_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/fuzz_corpus_test.cpp
  LIBS tenmark_points)
