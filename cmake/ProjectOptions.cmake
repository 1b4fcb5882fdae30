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

# A build is reproducible: the same sources give the same bytes in any build
# folder. No absolute path of the source or the build folder goes into an
# object file (__FILE__, debug information)...
add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}=src -ffile-prefix-map=${PROJECT_BINARY_DIR}=build)
# ...and every time stamp is one time: SOURCE_DATE_EPOCH where the
# environment gives it, else the time of the commit built.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(MENU_SOURCE_DATE_EPOCH $ENV{SOURCE_DATE_EPOCH})
else()
  execute_process(COMMAND git log -1 --format=%ct WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                  OUTPUT_VARIABLE MENU_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  if(NOT MENU_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
    set(MENU_SOURCE_DATE_EPOCH 0)  # not a git checkout
  endif()
  # A new commit is a new time: configure again when the checkout moves.
  if(EXISTS ${PROJECT_SOURCE_DIR}/.git/logs/HEAD)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/.git/logs/HEAD)
  endif()
endif()

# The MinGW linker takes a program's PE time stamp from SOURCE_DATE_EPOCH.
if(WIN32)
  set(CMAKE_C_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${MENU_SOURCE_DATE_EPOCH})
  set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${MENU_SOURCE_DATE_EPOCH})
endif()

if(MENU_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()
