# `dist`: Tenmark.zip in the build tree, ready to copy to a Windows PC: the editor, the
# bridge, MapView, the qpf tool, the mark icons and the two read-mes in one folder "Tenmark".
# The zip is written by CMake itself, so no zip program is needed.
if(WIN32)
  set(dist_root ${CMAKE_BINARY_DIR}/dist)
  set(dist_dir ${dist_root}/Tenmark)
  get_property(dist_icons TARGET tenmark_mark_icons PROPERTY ICON_FILES)
  add_custom_command(
    OUTPUT ${CMAKE_BINARY_DIR}/Tenmark.zip
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${dist_dir}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${dist_dir}
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:Tenmark> $<TARGET_FILE:Cartolink2> $<TARGET_FILE:MapView>
            $<TARGET_FILE:qpf> ${dist_icons} ${PROJECT_SOURCE_DIR}/dist/README-ja.txt
            ${PROJECT_SOURCE_DIR}/dist/README-en.txt ${dist_dir}
    COMMAND ${CMAKE_COMMAND} -E rm -f ${CMAKE_BINARY_DIR}/Tenmark.zip
    COMMAND ${CMAKE_COMMAND} -E chdir ${dist_root} ${CMAKE_COMMAND} -E tar cf ${CMAKE_BINARY_DIR}/Tenmark.zip
            --format=zip Tenmark
    DEPENDS Tenmark Cartolink2 MapView qpf tenmark_mark_icons ${PROJECT_SOURCE_DIR}/dist/README-ja.txt
            ${PROJECT_SOURCE_DIR}/dist/README-en.txt
    COMMENT "Packing Tenmark.zip"
    VERBATIM)
  add_custom_target(dist DEPENDS ${CMAKE_BINARY_DIR}/Tenmark.zip)
endif()
