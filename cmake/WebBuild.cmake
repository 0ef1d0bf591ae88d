# The web side of the build: web/manifest.txt, the pinned npm tools of
# web/vendor (esbuild) installed into the build tree, and the player scripts,
# built from web/player and stored scrambled. Outputs go under
# TESSALY_WEB_BUILD: the scrambled scripts at their published path
# (js/ctr/cn1.js, ...) and what they were scrambled from under built/.

set(TESSALY_WEB_SOURCE "${PROJECT_SOURCE_DIR}/web")
set(TESSALY_WEB_BUILD "${CMAKE_BINARY_DIR}/web")
set(TESSALY_WEB_MANIFEST "${TESSALY_WEB_SOURCE}/manifest.txt")
set_property(DIRECTORY "${PROJECT_SOURCE_DIR}" APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${TESSALY_WEB_MANIFEST}")

find_program(NODE_EXECUTABLE node)
find_program(NPM_EXECUTABLE npm)
if(NOT NODE_EXECUTABLE OR NOT NPM_EXECUTABLE)
  message(FATAL_ERROR "node and npm build the viewer of the published page; scripts/setup installs them")
endif()

# tessaly_web_manifest(PUBLISHED SOURCES): the manifest's two columns as lists, line by line.
function(tessaly_web_manifest published_var sources_var)
  file(STRINGS "${TESSALY_WEB_MANIFEST}" lines REGEX "^[^#]")
  set(published)
  set(sources)
  foreach(line IN LISTS lines)
    if(NOT line MATCHES "^([^ ]+) +([^ ]+)$")
      message(FATAL_ERROR "${TESSALY_WEB_MANIFEST}: not a published path and a source: '${line}'")
    endif()
    list(APPEND published "${CMAKE_MATCH_1}")
    list(APPEND sources "${CMAKE_MATCH_2}")
  endforeach()
  set(${published_var} "${published}" PARENT_SCOPE)
  set(${sources_var} "${sources}" PARENT_SCOPE)
endfunction()

# esbuild and the other pinned packages of web/vendor, installed once per build tree.
set(TESSALY_WEB_TOOLS "${CMAKE_BINARY_DIR}/web-tools")
set(TESSALY_WEB_MODULES "${TESSALY_WEB_TOOLS}/node_modules")
set(web_tools_stamp "${TESSALY_WEB_MODULES}/.package-lock.json")
file(MAKE_DIRECTORY "${TESSALY_WEB_TOOLS}")
add_custom_command(
  OUTPUT "${web_tools_stamp}"
  COMMAND "${CMAKE_COMMAND}" -E copy "${TESSALY_WEB_SOURCE}/vendor/package.json"
          "${TESSALY_WEB_SOURCE}/vendor/package-lock.json" "${TESSALY_WEB_TOOLS}"
  COMMAND "${NPM_EXECUTABLE}" ci --no-audit --no-fund --loglevel=error
  WORKING_DIRECTORY "${TESSALY_WEB_TOOLS}"
  DEPENDS "${TESSALY_WEB_SOURCE}/vendor/package.json" "${TESSALY_WEB_SOURCE}/vendor/package-lock.json"
  COMMENT "Installing the pinned web build tools (npm ci)"
  VERBATIM)
add_custom_target(tessaly_web_tools DEPENDS "${web_tools_stamp}")

# tessaly_player_script(SOURCE OUTPUT [BUNDLE]): builds one player script from
# SOURCE (bundled with its imports when BUNDLE), scrambles it into OUTPUT and
# fails the build when what a browser evaluates from OUTPUT does not parse or
# is not the built program. The built script lies beside OUTPUT under built/.
function(tessaly_player_script source output)
  cmake_parse_arguments(PARSE_ARGV 2 arg "BUNDLE" "" "")
  get_filename_component(name "${output}" NAME)
  get_filename_component(folder "${output}" DIRECTORY)
  set(built "${folder}/built/${name}")
  file(MAKE_DIRECTORY "${folder}/built")
  set(player "${TESSALY_WEB_SOURCE}/player")
  set(inputs "${source}")
  set(mode)
  if(arg_BUNDLE)
    file(GLOB modules CONFIGURE_DEPENDS "${player}/src/*.js")
    list(APPEND inputs ${modules})
    set(mode --bundle)
  endif()
  add_custom_command(
    OUTPUT "${output}" "${built}"
    COMMAND "${NODE_EXECUTABLE}" "${player}/build.mjs" "${source}" "${built}" ${mode} --modules "${TESSALY_WEB_MODULES}"
    COMMAND scramble_player "${built}" "${output}"
    COMMAND "${CMAKE_COMMAND}" "-DNODE=${NODE_EXECUTABLE}" "-DCHECK=${player}/check-scrambled.mjs"
            "-DSCRAMBLED=${output}" "-DBUILT=${built}" "-DMODULES=${TESSALY_WEB_MODULES}"
            -P "${PROJECT_SOURCE_DIR}/cmake/CheckScrambled.cmake"
    DEPENDS ${inputs} "${player}/build.mjs" "${player}/squeeze.mjs" "${player}/check-scrambled.mjs"
            "${PROJECT_SOURCE_DIR}/cmake/CheckScrambled.cmake" scramble_player "${web_tools_stamp}"
    COMMENT "Building and scrambling player script ${name}"
    VERBATIM)
endfunction()

# tessaly_web_files(FOLDER PUBLISHED FILES [VIEWER ENTRY]): every line of the
# manifest as its published path and the file that holds its bytes: the web
# source itself, or for a player script (js/ctr/) the script built and
# scrambled into FOLDER at its published path. The viewer, the module entry
# under player/src/, is bundled; VIEWER ENTRY bundles it from ENTRY instead.
function(tessaly_web_files folder published_var files_var)
  cmake_parse_arguments(PARSE_ARGV 3 arg "" "VIEWER" "")
  tessaly_web_manifest(published sources)
  set(files)
  foreach(target source IN ZIP_LISTS published sources)
    set(file "${TESSALY_WEB_SOURCE}/${source}")
    if(target MATCHES "^js/ctr/")
      set(bundle)
      if(source MATCHES "^player/src/")
        set(bundle BUNDLE)
        if(arg_VIEWER)
          set(file "${arg_VIEWER}")
        endif()
      endif()
      tessaly_player_script("${file}" "${folder}/${target}" ${bundle})
      set(file "${folder}/${target}")
    endif()
    list(APPEND files "${file}")
  endforeach()
  set(${published_var} "${published}" PARENT_SCOPE)
  set(${files_var} "${files}" PARENT_SCOPE)
endfunction()
