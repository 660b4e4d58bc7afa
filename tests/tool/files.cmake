# sahdict-tool against hostile files and paths: what OUT may be, writes that are
# killed or run out of room, standard output that cannot be written, inputs
# that are no ordinary files, UTF-8 sources, and bad usage.
#
# Run as a script (cmake -DTOOL=... -DCASE=... -DDATA=... -DSOURCE=... -DWORK=... -P files.cmake)
# this file runs one CASE in the scratch folder WORK.
if(CMAKE_SCRIPT_MODE_FILE)
  # run(<exit> <stdout regex> <stderr regex> <command...>): one run and its checks.
  function(run exit out_re err_re)
    execute_process(COMMAND ${ARGN} OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc TIMEOUT 60
                    WORKING_DIRECTORY ${WORK})
    if(NOT rc STREQUAL exit OR NOT out MATCHES "${out_re}" OR NOT err MATCHES "${err_re}")
      message(FATAL_ERROR "${ARGN}\nexit ${rc} (expected ${exit})\nstdout:\n${out}\nstderr:\n${err}")
    endif()
  endfunction()
  # expect_files(<names...>): the scratch folder holds exactly these names.
  function(expect_files)
    file(GLOB names RELATIVE ${WORK} LIST_DIRECTORIES true ${WORK}/*)
    list(SORT names)
    set(want ${ARGN})
    list(SORT want)
    if(NOT names STREQUAL want)
      message(FATAL_ERROR "the folder holds '${names}', expected '${want}'")
    endif()
  endfunction()
  # The shell, for what CMake cannot set up: FIFOs, links, limits, closed output.
  function(sh script)
    execute_process(COMMAND sh -c "${script}" ${TOOL} WORKING_DIRECTORY ${WORK} RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
      message(FATAL_ERROR "sh -c '${script}' failed: ${rc}")
    endif()
  endfunction()

  file(REMOVE_RECURSE ${WORK})
  file(MAKE_DIRECTORY ${WORK})
  set(small ${DATA}/small.dict)

  if(CASE STREQUAL "stdout")
    # Output that cannot be written: a full device, a closed standard output.
    run(2 "" "cannot write standard output: No space left on device" sh -c "exec \"$0\" dump ${small} > /dev/full" ${TOOL})
    run(2 "" "cannot write standard output: Bad file descriptor" sh -c "exec \"$0\" dump ${small} >&-" ${TOOL})
  else()
    message(FATAL_ERROR "no case ${CASE}")
  endif()
  return()
endif()

function(sahdict_tool_files case)
  add_test(NAME tool.files_${case}
    COMMAND ${CMAKE_COMMAND} -DTOOL=$<TARGET_FILE:sahdict-tool> -DCASE=${case}
            -DDATA=${CMAKE_SOURCE_DIR}/tests/data/dict -DSOURCE=${CMAKE_SOURCE_DIR}/data/default.dict
            -DWORK=${CMAKE_CURRENT_BINARY_DIR}/files-${case} -P ${CMAKE_CURRENT_SOURCE_DIR}/files.cmake)
endfunction()
if(UNIX)
  foreach(case stdout)
    sahdict_tool_files(${case})
  endforeach()
endif()
