# Point editing: the edit dialog, the mark picker and the point commands of the main window.
target_sources(tenmark_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/mark_picker_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/point_commands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/point_edit_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/point_edit_values.cpp
  ${CMAKE_CURRENT_LIST_DIR}/point_text_input.cpp)
