# The tests' table of the menu's entries, tests/entries.tsv, as C++: a
# header in the build folder with one line
#   MENU_ENTRY(Picture, Tag, Left, Top, Right, Bottom, "Folder")
# per entry, top to bottom, for a test that defines MENU_ENTRY and includes
# <menu_entries.inc>. A folder of "-" becomes "". Written at configure time;
# a change to the table configures again.
set(MENU_ENTRY_TABLE ${PROJECT_SOURCE_DIR}/tests/entries.tsv)
set(MENU_ENTRY_TABLE_DIR ${CMAKE_BINARY_DIR}/generated)

set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${MENU_ENTRY_TABLE})
file(STRINGS ${MENU_ENTRY_TABLE} menu_entry_rows REGEX "^[^#]")
set(menu_entry_lines "// Made from tests/entries.tsv at configure time; edit that file.\n")
foreach(row IN LISTS menu_entry_rows)
  string(REPLACE "\t" ";" cells "${row}")
  list(LENGTH cells count)
  if(NOT count EQUAL 7)
    message(FATAL_ERROR "${MENU_ENTRY_TABLE}: a row without seven tab-separated columns: ${row}")
  endif()
  list(GET cells 0 picture)
  list(GET cells 1 tag)
  list(GET cells 2 left)
  list(GET cells 3 top)
  list(GET cells 4 right)
  list(GET cells 5 bottom)
  list(GET cells 6 folder)
  if(folder STREQUAL "-")
    set(folder "")
  endif()
  string(APPEND menu_entry_lines "MENU_ENTRY(${picture}, ${tag}, ${left}, ${top}, ${right}, ${bottom}, \"${folder}\")\n")
endforeach()
file(CONFIGURE OUTPUT ${MENU_ENTRY_TABLE_DIR}/menu_entries.inc CONTENT "${menu_entry_lines}")

# Lets Target's sources include <menu_entries.inc>.
function(menu_use_entry_table target)
  target_include_directories(${target} PRIVATE ${MENU_ENTRY_TABLE_DIR})
endfunction()
