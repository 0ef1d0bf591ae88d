# The parts of the house and what each may use (docs/architecture.md).
#
# A part's library sees only its own headers and those of the parts it uses:
# its include folder in the build tree holds one link, to its own source folder,
# so a part that includes one it may not use does not compile. A part uses only
# parts declared before it, which keeps the layers free of cycles.
# layers.cmake in the build tree records the same table for
# cmake/CheckIncludes.cmake, which checks the headers no library compiles.

# tessaly_part(<target> <path under src/> [USES <part target>...])
function(tessaly_part target path)
  cmake_parse_arguments(PARSE_ARGV 2 part "" "" "USES")
  get_target_property(type ${target} TYPE)
  set(scope PUBLIC)
  if(type STREQUAL "INTERFACE_LIBRARY")
    set(scope INTERFACE)
  else()
    # Position-independent: the media module carries a copy of the parts it uses.
    set_target_properties(${target} PROPERTIES POSITION_INDEPENDENT_CODE ON)
  endif()

  set(view "${CMAKE_BINARY_DIR}/parts/${target}")
  cmake_path(GET path PARENT_PATH parent)
  file(MAKE_DIRECTORY "${view}/${parent}")
  file(CREATE_LINK "${PROJECT_SOURCE_DIR}/src/${path}" "${view}/${path}" SYMBOLIC)
  target_include_directories(${target} ${scope} "${view}")

  set(uses "")
  foreach(used IN LISTS part_USES)
    get_property(used_path TARGET ${used} PROPERTY TESSALY_PART_PATH)
    if(NOT used_path)
      message(FATAL_ERROR "${target} uses ${used}, which is no part declared before it")
    endif()
    get_property(below TARGET ${used} PROPERTY TESSALY_PART_USES)
    list(APPEND uses "${used_path}" ${below})
  endforeach()
  list(REMOVE_DUPLICATES uses)
  set_target_properties(${target} PROPERTIES TESSALY_PART_PATH "${path}" TESSALY_PART_USES "${uses}")
  target_link_libraries(${target} ${scope} tessaly_common ${part_USES})

  # Two libraries may share a folder (the media module and its loader): the
  # folder may use what either uses.
  string(MAKE_C_IDENTIFIER "${path}" key)
  get_property(known GLOBAL PROPERTY TESSALY_PART_PATHS)
  if(NOT path IN_LIST known)
    set_property(GLOBAL APPEND PROPERTY TESSALY_PART_PATHS "${path}")
  endif()
  set_property(GLOBAL APPEND PROPERTY TESSALY_PART_USES_${key} ${uses})
endfunction()

# Writes the table for cmake/CheckIncludes.cmake; called once every part is declared.
function(tessaly_write_parts file)
  get_property(paths GLOBAL PROPERTY TESSALY_PART_PATHS)
  set(text "set(TESSALY_PART_PATHS \"${paths}\")\n")
  foreach(path IN LISTS paths)
    string(MAKE_C_IDENTIFIER "${path}" key)
    get_property(uses GLOBAL PROPERTY TESSALY_PART_USES_${key})
    list(REMOVE_DUPLICATES uses)
    string(APPEND text "set(TESSALY_PART_USES_${key} \"${uses}\")\n")
  endforeach()
  file(CONFIGURE OUTPUT "${file}" CONTENT "${text}" @ONLY)
endfunction()
