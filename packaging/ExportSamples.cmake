# Exports the shipped dictionary in every format into OUT/<format>, the
# examples the package puts in its documentation folder.
# cmake -DTOOL=<sahdict-tool> -DDICT=<default.dict> -DOUT=<folder> -P ExportSamples.cmake
file(REMOVE_RECURSE "${OUT}")
execute_process(COMMAND "${TOOL}" export "${DICT}" all "${OUT}"
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "sahdict-tool export all exited with ${rc}:\n${out}${err}")
endif()
file(TOUCH "${OUT}/stamp")
