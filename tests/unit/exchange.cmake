# The exchange formats: golden files, round trips, bad input, the readers' cases, qpf convert.
set(exchange_test_sources
  ${CMAKE_CURRENT_LIST_DIR}/exchange_golden_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/exchange_round_trip_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/exchange_bad_input_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/exchange_reader_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/exchange_fuzz_corpus_test.cpp
)
tenmark_test(exchange_unit_tests SOURCES ${exchange_test_sources} LIBS tenmark_exchange miniz)
target_include_directories(exchange_unit_tests PRIVATE ${PROJECT_SOURCE_DIR}/fuzz)
# qpf convert as a program: natively only (it runs the tool through the shell).
if(NOT WIN32)
  tenmark_test(qpf_convert_tests SOURCES ${CMAKE_CURRENT_LIST_DIR}/exchange_cli_test.cpp LIBS tenmark_exchange)
  target_compile_definitions(qpf_convert_tests PRIVATE QPF_PROGRAM="$<TARGET_FILE:qpf>")
  add_dependencies(qpf_convert_tests qpf)
endif()
