# Checks every source and header of src/ against the parts table that
# cmake/Parts.cmake writes: a file of a part includes only its own part and
# the parts it uses, and no file of the core includes a Qt header. The build
# already refuses a wrong include in what it compiles; this also covers the
# headers nothing compiles yet. Lists every offence, then fails.
# Run with -DLAYERS=<build>/layers.cmake -DSOURCES=<repo>/src.
cmake_minimum_required(VERSION 3.25)
include("${LAYERS}")

# The part a path under src/ belongs to: the longest part path it lies in.
function(part_of path out)
  set(found "")
  foreach(part IN LISTS TESSALY_PART_PATHS)
    string(LENGTH "${part}" length)
    string(LENGTH "${found}" best)
    if((path STREQUAL part OR path MATCHES "^${part}/") AND length GREATER best)
      set(found "${part}")
    endif()
  endforeach()
  set(${out} "${found}" PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE files RELATIVE "${SOURCES}" "${SOURCES}/*.h" "${SOURCES}/*.cpp")
list(SORT files)
set(offences "")
foreach(file IN LISTS files)
  part_of("${file}" part)
  set(core OFF)
  if(file MATCHES "^core/")
    set(core ON)
  endif()
  if(NOT part AND NOT core)
    continue()  # the programs: they may use every part
  endif()
  string(MAKE_C_IDENTIFIER "${part}" key)
  set(allowed "${part};${TESSALY_PART_USES_${key}}")
  file(STRINGS "${SOURCES}/${file}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]")
  foreach(line IN LISTS includes)
    if(line MATCHES "#[ \t]*include[ \t]*\"([^\"]+)\"")
      part_of("${CMAKE_MATCH_1}" included)
      if(part AND NOT included IN_LIST allowed)
        string(APPEND offences "  ${file}: ${CMAKE_MATCH_1} (${part} may use: ${TESSALY_PART_USES_${key}})\n")
      elseif(NOT part)
        string(APPEND offences "  ${file}: belongs to no part of the core\n")
      endif()
    elseif(core AND line MATCHES "#[ \t]*include[ \t]*<(Q[A-Za-z]*(/[^>]*)?)>")
      string(APPEND offences "  ${file}: ${CMAKE_MATCH_1} (the core uses nothing of Qt)\n")
    endif()
  endforeach()
endforeach()

if(offences)
  message(FATAL_ERROR "Includes that break the layers (docs/architecture.md):\n${offences}")
endif()
list(LENGTH files count)
message(STATUS "${count} files keep to the layers")
