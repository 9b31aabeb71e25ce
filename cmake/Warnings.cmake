# Warnings on for our own code; the build must stay free of them.
function(quellow_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic $<$<CXX_COMPILER_ID:GNU>:-Wshadow=local>
    -Wnon-virtual-dtor -Woverloaded-virtual -Wnull-dereference -Wformat=2 -Wimplicit-fallthrough)
  if(QUELLOW_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
