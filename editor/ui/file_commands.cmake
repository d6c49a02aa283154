# The file commands: open, save, save as, import, the closing question.
target_sources(tenmark_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/file_commands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/file_dialogs.cpp)
