# Compiler warnings and sanitizers shared by every target of the project.
add_library(qm_build_options INTERFACE)
target_compile_options(qm_build_options INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wcast-align
  -Woverloaded-virtual -Wnull-dereference -Wimplicit-fallthrough)
if(QM_WERROR)
  target_compile_options(qm_build_options INTERFACE -Werror)
endif()
if(QM_SANITIZE)
  target_compile_options(qm_build_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(qm_build_options INTERFACE -fsanitize=address,undefined)
endif()
