# Lays out the demo disc in DISC: the menu MENU at its root, and beside it
# the setup folders FOLDERS lists (one name a line, # lines are comments),
# each with the stand-in SETUP as Setup.exe, and INI as setup.ini in the two
# Express folders.
file(STRINGS "${FOLDERS}" folders REGEX "^[^#]")
if(NOT folders)
  message(FATAL_ERROR "${FOLDERS} lists no setup folders")
endif()
file(REMOVE_RECURSE "${DISC}")
file(MAKE_DIRECTORY "${DISC}")
get_filename_component(menu_name "${MENU}" NAME)
file(COPY_FILE "${MENU}" "${DISC}/${menu_name}")
foreach(folder IN LISTS folders)
  file(MAKE_DIRECTORY "${DISC}/${folder}")
  file(COPY_FILE "${SETUP}" "${DISC}/${folder}/Setup.exe")
  if(folder MATCHES "Express")
    file(COPY_FILE "${INI}" "${DISC}/${folder}/setup.ini")
  endif()
endforeach()
