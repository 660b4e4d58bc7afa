# Exports the shipped dictionary in every format into OUT/<format>, the
# examples the package puts in its documentation folder.
# cmake -DTOOL=<sahdict-tool> -DDICT=<default.dict> -DOUT=<folder> -P ExportSamples.cmake
file(REMOVE_RECURSE "${OUT}")
foreach(format stardict dictd xdxf dsl tsv)
  execute_process(COMMAND "${TOOL}" export "${DICT}" ${format} "${OUT}/${format}"
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "sahdict-tool export ${format} exited with ${rc}:\n${out}${err}")
  endif()
endforeach()
file(TOUCH "${OUT}/stamp")
