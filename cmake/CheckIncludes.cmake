# Fails when a file of FOLDER includes a project header from a folder outside ALLOWED (both
# relative to src/, lists separated by commas); writes STAMP when every include is allowed.
cmake_minimum_required(VERSION 3.25)
string(REPLACE "," ";" allowed "${ALLOWED}")
string(REPLACE "," ";" sources "${SOURCES}")
set(offences "")
foreach(source IN LISTS sources)
  file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]+\"[^\"]+\"")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]+\"([^\"]+)\".*$" "\\1" header "${line}")
    get_filename_component(header_folder ${header} DIRECTORY)
    # A bare name is a header of the file's own folder.
    if(header_folder STREQUAL "" OR header_folder IN_LIST allowed)
      continue()
    endif()
    get_filename_component(name ${source} NAME)
    string(APPEND offences "\n  ${FOLDER}/${name} includes \"${header}\"")
  endforeach()
endforeach()
if(offences)
  message(FATAL_ERROR "src/${FOLDER} may include only from ${ALLOWED}:${offences}\n"
                      "See docs/architecture.md for which folder builds on which.")
endif()
file(WRITE ${STAMP} "")
