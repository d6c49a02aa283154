# The file commands on the real main window under Wine.
add_executable(hold_file hold_file_main.cpp)
target_link_options(hold_file PRIVATE -municode)
tenmark_test(file_commands_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/file_commands_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/editing_dialog_driver.cpp
    ${CMAKE_CURRENT_LIST_DIR}/editor_test_support.cpp
  LIBS tenmark_ui tenmark_resources)
target_include_directories(file_commands_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR})
add_dependencies(file_commands_tests hold_file)
