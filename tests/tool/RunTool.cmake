# Runs sahdict-tool with ARGS (a ;-list), optional INPUT file on stdin; checks
# the exit code against EXIT and the whole output against the regex EXPECT
# (no output at all when EXPECT is not given). Standard error holds a reason
# exactly when the exit code is 2 (bad usage, a file that cannot be read or written).
# ABSENT names a file the run must not leave behind; ERROR, a regex that
# standard error must match.
if(ABSENT)
  file(REMOVE "${ABSENT}")
endif()
if(INPUT)
  execute_process(COMMAND ${TOOL} ${ARGS} INPUT_FILE ${INPUT}
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
else()
  execute_process(COMMAND ${TOOL} ${ARGS} OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
endif()
if(NOT EXPECT)
  set(EXPECT "^$")
endif()
if(NOT rc EQUAL EXIT)
  message(FATAL_ERROR "exit ${rc}, expected ${EXIT}\nstdout:\n${out}\nstderr:\n${err}")
endif()
if(NOT out MATCHES "${EXPECT}")
  message(FATAL_ERROR "output does not match '${EXPECT}':\n${out}\nstderr:\n${err}")
endif()
if(rc EQUAL 2 AND err STREQUAL "")
  message(FATAL_ERROR "exit 2 without a reason on standard error")
elseif(NOT rc EQUAL 2 AND NOT err STREQUAL "")
  message(FATAL_ERROR "unexpected text on standard error:\n${err}")
endif()
if(ERROR AND NOT err MATCHES "${ERROR}")
  message(FATAL_ERROR "standard error does not match '${ERROR}':\n${err}")
endif()
if(ABSENT AND EXISTS "${ABSENT}")
  message(FATAL_ERROR "the run left ${ABSENT} behind")
endif()
