# Runs sahdict-tool with ARGS (a ;-list), optional INPUT file on stdin; checks
# the exit code against EXIT and the whole output against the regex EXPECT.
if(INPUT)
  execute_process(COMMAND ${TOOL} ${ARGS} INPUT_FILE ${INPUT}
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
else()
  execute_process(COMMAND ${TOOL} ${ARGS} OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
endif()
if(NOT rc EQUAL EXIT)
  message(FATAL_ERROR "exit ${rc}, expected ${EXIT}\nstdout:\n${out}\nstderr:\n${err}")
endif()
if(EXPECT AND NOT out MATCHES "${EXPECT}")
  message(FATAL_ERROR "output does not match '${EXPECT}':\n${out}\nstderr:\n${err}")
endif()
