# The map link (editor/maplink): map objects and their dialog, the bridge's start and close,
# show on map, capture, select map. Built into the editor's window library.
set(maplink_dir ${PROJECT_SOURCE_DIR}/editor/maplink)
target_sources(tenmark_ui PRIVATE
  ${maplink_dir}/create_map_link_hooks.cpp
  ${maplink_dir}/map_link.cpp
  ${maplink_dir}/map_link_capture.cpp
  ${maplink_dir}/map_link_select.cpp
  ${maplink_dir}/map_object_dialog.cpp
  ${maplink_dir}/map_object_store.cpp
)
target_include_directories(tenmark_ui PUBLIC ${maplink_dir})
