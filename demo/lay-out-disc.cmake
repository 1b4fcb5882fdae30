# Lays out the demo disc in DISC: the menu MENU at its root, and beside it
# the eight setup folders, each with the stand-in SETUP as Setup.exe, and
# INI as setup.ini in the two Express folders.
file(REMOVE_RECURSE "${DISC}")
file(MAKE_DIRECTORY "${DISC}")
get_filename_component(menu_name "${MENU}" NAME)
file(COPY_FILE "${MENU}" "${DISC}/${menu_name}")
foreach(folder KVServer KVClient KVPos KVSaaSServer KVSaaSClient MSDE
        "Microsoft SQL Server 2005 Express(32)" "Microsoft SQL Server 2005 Express(64)")
  file(MAKE_DIRECTORY "${DISC}/${folder}")
  file(COPY_FILE "${SETUP}" "${DISC}/${folder}/Setup.exe")
  if(folder MATCHES "Express")
    file(COPY_FILE "${INI}" "${DISC}/${folder}/setup.ini")
  endif()
endforeach()
