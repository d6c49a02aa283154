# The editor's window under Wine, in-process on the real controls: start-up, template and
# menu, layout, status bar, mark icons, both lists, dragging and dropped files. The same
# executable runs a second time under an English locale: the Japanese texts must survive.
tenmark_test(editor_window_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/editor_test_support.cpp
    ${CMAKE_CURRENT_LIST_DIR}/editor_startup_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/editor_window_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/editor_bridge_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/editor_artwork_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/editor_layout_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/editor_lists_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/editor_drag_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/editor_locale_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/editor_dialog_fonts_test.cpp
  LIBS tenmark_ui tenmark_resources)
# The mark icon tests read mark01.ico .. mark55.ico beside the test program.
add_dependencies(editor_window_tests tenmark_mark_icons)

add_test(NAME editor_window_tests_english
  COMMAND editor_window_tests --gtest_brief=1
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
set_tests_properties(editor_window_tests_english PROPERTIES
  ENVIRONMENT "TENMARK_SOURCE_DIR=${PROJECT_SOURCE_DIR};TENMARK_LOCALE=en_US.UTF-8;TENMARK_EXPECT_FOREIGN_LOCALE=1"
  TIMEOUT 600)
