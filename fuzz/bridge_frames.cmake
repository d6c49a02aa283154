# The bridge's frame handling: the protocol and the bridge's portable logic, any message sequence.
add_library(fuzz_bridge STATIC
  ${TENMARK_ROOT}/common/maplink_protocol.cpp
  ${TENMARK_ROOT}/common/maplink_frame.cpp
  ${TENMARK_ROOT}/common/map_coord_text.cpp
  ${TENMARK_ROOT}/bridge/lib.cpp
  ${TENMARK_ROOT}/bridge/text_id_table.cpp
  ${TENMARK_ROOT}/bridge/reply_sender.cpp
  ${TENMARK_ROOT}/bridge/map.cpp
  ${TENMARK_ROOT}/bridge/bridge_state.cpp
  ${TENMARK_ROOT}/bridge/dispatch.cpp
)
target_include_directories(fuzz_bridge PUBLIC ${TENMARK_ROOT}/common ${TENMARK_ROOT}/bridge)
target_compile_options(fuzz_bridge PRIVATE -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer -g -O1)

add_executable(bridge_frames_fuzz ${CMAKE_CURRENT_SOURCE_DIR}/bridge_frames_fuzz.cpp)
target_link_libraries(bridge_frames_fuzz PRIVATE fuzz_bridge)
target_compile_options(bridge_frames_fuzz PRIVATE ${fuzz_flags})
target_link_options(bridge_frames_fuzz PRIVATE ${fuzz_flags})
