# `dist`: Tenmark.zip in the build tree, ready to copy to a Windows PC: the editor, the
# bridge, MapView with its offline base map, the qpf tool, the mark icons, the two read-mes
# and the licence notices in one folder "Tenmark". The programs are stripped of their debug
# data (the build tree keeps it).
# The zip is written by CMake itself, so no zip program is needed.
if(WIN32)
  set(dist_root ${CMAKE_BINARY_DIR}/dist)
  set(dist_dir ${dist_root}/Tenmark)
  get_property(dist_icons TARGET tenmark_mark_icons PROPERTY ICON_FILES)
  set(dist_licences
      ${PROJECT_SOURCE_DIR}/mapview/basemap/licences/NOTICE-GSHHG.txt
      ${PROJECT_SOURCE_DIR}/mapview/basemap/licences/LGPL-3.txt
      ${PROJECT_SOURCE_DIR}/mapview/basemap/licences/GPL-3.txt)
  set(dist_json_licence ${PROJECT_SOURCE_DIR}/third_party/nlohmann_json/LICENSE)
  add_custom_command(
    OUTPUT ${CMAKE_BINARY_DIR}/Tenmark.zip
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${dist_dir}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${dist_dir}
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:Tenmark> $<TARGET_FILE:Cartolink2> $<TARGET_FILE:MapView>
            $<TARGET_FILE:qpf> ${dist_icons} ${PROJECT_SOURCE_DIR}/dist/README-ja.txt
            ${PROJECT_SOURCE_DIR}/dist/README-en.txt ${MAPVIEW_BASEMAP_FILE} ${dist_licences} ${dist_dir}
    COMMAND ${CMAKE_COMMAND} -E copy ${dist_json_licence} ${dist_dir}/LICENSE-nlohmann-json.txt
    COMMAND ${CMAKE_STRIP} --strip-debug ${dist_dir}/Tenmark.exe ${dist_dir}/Cartolink2.exe ${dist_dir}/MapView.exe
            ${dist_dir}/qpf.exe
    COMMAND ${CMAKE_COMMAND} -E rm -f ${CMAKE_BINARY_DIR}/Tenmark.zip
    COMMAND ${CMAKE_COMMAND} -E chdir ${dist_root} ${CMAKE_COMMAND} -E tar cf ${CMAKE_BINARY_DIR}/Tenmark.zip
            --format=zip Tenmark
    DEPENDS Tenmark Cartolink2 MapView qpf tenmark_mark_icons ${PROJECT_SOURCE_DIR}/dist/README-ja.txt
            ${PROJECT_SOURCE_DIR}/dist/README-en.txt ${MAPVIEW_BASEMAP_FILE} ${dist_licences} ${dist_json_licence}
    COMMENT "Packing Tenmark.zip"
    VERBATIM)
  add_custom_target(dist DEPENDS ${CMAKE_BINARY_DIR}/Tenmark.zip)
endif()
