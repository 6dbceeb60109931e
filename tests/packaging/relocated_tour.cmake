# Installs the build tree BUILD under PREFIX and runs the window tour from
# there, which fails when a tutorial picture cannot be loaded.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX}
  OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${PREFIX}/${BINDIR}/lokomotif-tour ${PREFIX}/tour
  OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
file(REMOVE_RECURSE ${PREFIX})
