# Options shared by every target of the project.

# Narrow literals are cp932 bytes, as the programs and the files use them.
# clang (fuzz builds only) knows no other execution charset; there the literals stay UTF-8,
# which the reader does not depend on.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  add_compile_options(-fexec-charset=CP932)
endif()
add_compile_options(-Wall -Wextra)

if(WIN32)
  add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
  add_link_options(-static -static-libgcc -static-libstdc++)
endif()

option(TENMARK_SANITIZE "Build tests and libraries with ASan and UBSan" OFF)

# Adds the sanitizers to one target when the tree asks for them.
function(tenmark_sanitize target)
  if(TENMARK_SANITIZE)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
endfunction()
