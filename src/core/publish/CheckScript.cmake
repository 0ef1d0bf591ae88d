# Fails the build when a player script or its scrambled form does not parse.
# Run with -DNODE=... (empty when node is not installed), -DSOURCE=readable.js
# and -DOUTPUT=scrambled.js; a failed OUTPUT is removed so the next build makes
# it again.
if(NOT NODE)
  message(WARNING "node not found: ${OUTPUT} not checked for syntax")
  return()
endif()
foreach(script IN ITEMS "${SOURCE}" "${OUTPUT}")
  execute_process(COMMAND "${NODE}" --check "${script}" RESULT_VARIABLE status ERROR_VARIABLE errors)
  if(NOT status EQUAL 0)
    file(REMOVE "${OUTPUT}")
    message(FATAL_ERROR "${script} does not parse:\n${errors}")
  endif()
endforeach()
