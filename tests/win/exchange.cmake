# Point exchange on the real main window under Wine.
tenmark_test(exchange_commands_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/exchange_commands_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/editing_dialog_driver.cpp
    ${CMAKE_CURRENT_LIST_DIR}/editor_test_support.cpp
  LIBS tenmark_ui tenmark_resources)
target_include_directories(exchange_commands_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR})
