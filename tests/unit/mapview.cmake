# MapView's portable map parts: tile math, sources, caching rules, the disk cache, the
# place search answers and the base map reader.
tenmark_test(mapview_map_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/mapview_tiles_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/mapview_tile_cache_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/mapview_search_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/mapview_basemap_test.cpp
  LIBS mapview_core mapview_tiles mapview_search mapview_basemap
)
