# One static library per source folder, and the rule of which folder may include which.
#
#   orvanel_folder_library(<target> <folder> [DEPENDS <folder libraries>...]
#                          [LINK <other libraries>...] [PRIVATE_LINK <libraries>...]
#                          [EXCLUDE <file names>...])
#
# takes the folder's .cpp and .h files (picked up as they are added) and links the libraries of
# the folders it builds on. The code of a folder may include headers of its own folder and of the
# folders it builds on, directly or through them, and of no other folder: each build checks the
# quoted #include lines, so that an include against the arrows of docs/architecture.md fails the
# build even where the linker would not notice (a header-only use).
function(orvanel_folder_library target folder)
  cmake_parse_arguments(ARG "" "" "DEPENDS;LINK;PRIVATE_LINK;EXCLUDE" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${folder}/*.cpp ${folder}/*.h)
  foreach(excluded IN LISTS ARG_EXCLUDE)
    list(FILTER sources EXCLUDE REGEX "/${excluded}$")
  endforeach()
  add_library(${target} STATIC ${sources})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${target} PUBLIC ${ARG_DEPENDS} ${ARG_LINK} PRIVATE ${ARG_PRIVATE_LINK})

  file(RELATIVE_PATH include_folder ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/${folder})
  set(allowed ${include_folder})
  foreach(dependency IN LISTS ARG_DEPENDS)
    get_property(reachable TARGET ${dependency} PROPERTY ORVANEL_INCLUDABLE_FOLDERS)
    list(APPEND allowed ${reachable})
  endforeach()
  list(REMOVE_DUPLICATES allowed)
  set_property(TARGET ${target} PROPERTY ORVANEL_INCLUDABLE_FOLDERS ${allowed})

  set(stamp ${CMAKE_CURRENT_BINARY_DIR}/include_checks/${target}.checked)
  string(REPLACE ";" "," allowed_arg "${allowed}")
  string(REPLACE ";" "," sources_arg "${sources}")
  add_custom_command(OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} -DFOLDER=${include_folder} -DALLOWED=${allowed_arg}
            -DSOURCES=${sources_arg} -DSTAMP=${stamp}
            -P ${PROJECT_SOURCE_DIR}/cmake/CheckIncludes.cmake
    DEPENDS ${sources} ${PROJECT_SOURCE_DIR}/cmake/CheckIncludes.cmake
    COMMENT "Checking the includes of ${folder}"
    VERBATIM)
  add_custom_target(${target}_includes DEPENDS ${stamp})
  add_dependencies(${target} ${target}_includes)
endfunction()
