# Point editing under Wine: the edit dialog and the mark picker run modally for real and are
# driven through their controls from a second thread; the point commands run on the real
# main window.
set(EDITING_TEST_SUPPORT
  ${CMAKE_CURRENT_LIST_DIR}/editing_dialog_driver.cpp
  ${CMAKE_CURRENT_LIST_DIR}/editing_test_support.cpp
)
tenmark_test(editing_dialog_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/editing_point_edit_dialog_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/editing_mark_picker_test.cpp
    ${EDITING_TEST_SUPPORT}
  LIBS tenmark_ui tenmark_resources
)
tenmark_test(editing_command_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/editing_point_commands_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/editor_test_support.cpp
    ${EDITING_TEST_SUPPORT}
  LIBS tenmark_ui tenmark_resources
)
# The main window loads mark01.ico .. mark55.ico from the working folder.
add_dependencies(editing_command_tests tenmark_mark_icons)

# Undo, find, sorting and duplicates on the real main window.
tenmark_test(editing_tools_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/editing_tools_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/editor_test_support.cpp
    ${CMAKE_CURRENT_LIST_DIR}/editing_dialog_driver.cpp
  LIBS tenmark_ui tenmark_resources
)
add_dependencies(editing_tools_tests tenmark_mark_icons)
