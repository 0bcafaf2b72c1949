# Warning and sanitizer flags shared by every target of the project.
function(vantrel_target_defaults target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 /permissive-)
    if(VANTREL_WERROR)
      target_compile_options(${target} PRIVATE /WX)
    endif()
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow
                                              -Wnon-virtual-dtor -Wold-style-cast
                                              -Wcast-align -Woverloaded-virtual
                                              -Wconversion -Wsign-conversion)
    if(VANTREL_WERROR)
      target_compile_options(${target} PRIVATE -Werror)
    endif()
    if(VANTREL_SANITIZE)
      target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer
                                                -fno-sanitize-recover=undefined)
      target_link_options(${target} PRIVATE -fsanitize=address,undefined)
    endif()
  endif()
endfunction()
