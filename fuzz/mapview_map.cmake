# MapView's readers of outside bytes: the place search answer, the tile cache index, the
# base map file.
add_library(fuzz_mapview_map STATIC
  ${TENMARK_ROOT}/mapview/search/address_answer.cpp
  ${TENMARK_ROOT}/mapview/tiles/tile_cache_index.cpp
  ${TENMARK_ROOT}/mapview/tiles/tile_math.cpp
  ${TENMARK_ROOT}/mapview/basemap/basemap_data.cpp
)
target_include_directories(fuzz_mapview_map PUBLIC ${TENMARK_ROOT}/mapview/search ${TENMARK_ROOT}/mapview/tiles
                                                   ${TENMARK_ROOT}/mapview/basemap)
target_include_directories(fuzz_mapview_map SYSTEM PRIVATE ${TENMARK_ROOT}/third_party/nlohmann_json/include)
target_compile_options(fuzz_mapview_map PRIVATE -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer -g -O1)

foreach(name mapview_search_answer mapview_tile_index mapview_basemap)
  add_executable(${name}_fuzz ${CMAKE_CURRENT_SOURCE_DIR}/${name}_fuzz.cpp)
  target_link_libraries(${name}_fuzz PRIVATE fuzz_mapview_map)
  target_compile_options(${name}_fuzz PRIVATE ${fuzz_flags})
  target_link_options(${name}_fuzz PRIVATE ${fuzz_flags})
endforeach()
