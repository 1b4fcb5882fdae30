# Compiler settings for the project's own targets (not for GoogleTest).
#
# The menu's texts are written in the sources as UTF-8 and compiled into the
# bytes of code page 936: GB18030 gives every character of those texts the
# same bytes as 936 and can also encode the odd character in the standard
# headers, so it applies to every source.
function(menu_project_options target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wconversion -Wno-sign-conversion -Werror
    -finput-charset=UTF-8 -fexec-charset=GB18030)
endfunction()

if(MENU_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()
