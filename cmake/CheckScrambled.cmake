# Fails the build when a scrambled player script is not what a browser can run:
# what it evaluates must parse and be the program it was scrambled from.
# Run with -DNODE=... -DCHECK=check-scrambled.mjs -DSCRAMBLED=... -DBUILT=...
# -DMODULES=node_modules; a failed SCRAMBLED is removed so the next build makes
# it again.
execute_process(COMMAND "${NODE}" "${CHECK}" "${SCRAMBLED}" "${BUILT}" --modules "${MODULES}"
                RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  file(REMOVE "${SCRAMBLED}")
  message(FATAL_ERROR "${SCRAMBLED} is not a script a browser can run:\n${errors}")
endif()
