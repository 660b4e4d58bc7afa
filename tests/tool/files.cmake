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

  elseif(CASE STREQUAL "out_kinds")
    # A FIFO, and a link to a device, are refused and stay what they are; a
    # link to a file is followed: the file is replaced, keeping its mode, and
    # the link stays a link.
    sh("mkfifo fifo.dict && ln -s /dev/null null.dict && echo old > real.dict && chmod 640 real.dict && ln -s real.dict link.dict")
    run(2 "" "fifo.dict: a FIFO, not an ordinary file" ${TOOL} compile ${small} fifo.dict)
    run(2 "" "null.dict: a device, not an ordinary file" ${TOOL} compile ${small} null.dict)
    run(0 "^result: true\nentries: 16\n$" "^$" ${TOOL} compile ${small} link.dict)
    sh("test -p fifo.dict && test -L null.dict && test -c /dev/null && test -L link.dict && test -f real.dict")
    run(0 "^640\n$" "" stat -c %a real.dict)
    file(READ ${WORK}/real.dict compiled HEX)
    string(HEX "--# entries 16\r\n" trailer)
    if(NOT compiled MATCHES "${trailer}$")
      message(FATAL_ERROR "real.dict does not end like a compiled file:\n${compiled}")
    endif()
    expect_files(fifo.dict link.dict null.dict real.dict)

  elseif(CASE STREQUAL "cut_writes")
    # Writes killed part-way (by the file size limit's signal) leave nothing
    # behind, and the next write also clears a temporary file that an older
    # writer left; then the folder holds the source and the output only.
    file(COPY ${SOURCE} DESTINATION ${WORK})
    get_filename_component(src ${SOURCE} NAME)
    foreach(try 1 2 3)
      execute_process(COMMAND sh -c "ulimit -f 4; exec \"$0\" compile ${src} out.dict" ${TOOL}
                      WORKING_DIRECTORY ${WORK} RESULT_VARIABLE rc OUTPUT_QUIET ERROR_QUIET)
      if(rc EQUAL 0)
        message(FATAL_ERROR "the write was not cut short")
      endif()
    endforeach()
    file(WRITE ${WORK}/out.dict.tmp0123456789abcdef "left by a killed writer")
    run(0 "result: true" "^$" ${TOOL} compile ${src} out.dict)
    expect_files(${src} out.dict)
    # A write that runs out of room (the limit's signal ignored) names OUT and
    # the system's reason, and leaves OUT as it was.
    file(READ ${WORK}/out.dict before)
    run(2 "" "sahdict-tool: cannot write out.dict: File too large\n$"
        sh -c "trap '' XFSZ && ulimit -f 1 && exec \"$0\" compile ${src} out.dict" ${TOOL})
    file(READ ${WORK}/out.dict after)
    if(NOT before STREQUAL after)
      message(FATAL_ERROR "out.dict changed")
    endif()
    expect_files(${src} out.dict)

  elseif(CASE STREQUAL "input_kinds")
    # Only ordinary files are read, links to them included; a FIFO or device
    # is refused at once instead of being waited on.
    sh("mkfifo fifo.dict && ln -s ${small} link.dict")
    run(2 "^$" "/dev/null: a device, not an ordinary file" ${TOOL} dump /dev/null)
    run(2 "^$" "fifo.dict: a FIFO, not an ordinary file" ${TOOL} check fifo.dict)
    run(0 "^result: true\nentries: 16\n$" "^$" ${TOOL} check link.dict)

  elseif(CASE STREQUAL "utf8")
    # UTF-8 with or without the byte-order mark: real Sakha letters read into
    # the notation, "--encoding UTF-8" accepted, an extra line saying so; the
    # compiled file is Windows-1251.
    set(entry "RUS-SAH\tдом\tдом\tсущ\\.\t\\.дьиэ; \\.бала5ан \\.н'ээ \\.OрYс hY5")
    run(0 "^encoding: utf-8\n${entry}\n$" "^$" ${TOOL} dump ${DATA}/utf8-bom.dict)
    run(0 "^encoding: utf-8\nresult: true\nentries: 5\n$" "^$" ${TOOL} check ${DATA}/utf8.dict)
    run(0 "^encoding: utf-8\nresult: true\nentries: 5\n$" "^$" ${TOOL} compile ${DATA}/utf8.dict out.dict)
    run(0 "^SAH-RUS\tOрYс \\(дом\\)\t" "^$" ${TOOL} dump out.dict)

  elseif(CASE STREQUAL "tool_usage")
    # "message --compact" without a text is bad usage; an unknown command is
    # echoed with its stray bytes escaped.
    run(2 "^$" "^usage: sahdict-tool message " ${TOOL} message --compact)
    run(2 "^$" "unknown command '\\\\xFFab\\\\x01'" sh -c "exec \"$0\" \"$(printf '\\377ab\\001')\"" ${TOOL})
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
  foreach(case stdout out_kinds cut_writes input_kinds utf8 tool_usage)
    sahdict_tool_files(${case})
  endforeach()
endif()

# A read that fails after the file was opened: the system's reason, exit 2.
if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
  sahdict_tool_check(NAME check_read_error ARGS check /proc/self/mem EXIT 2
    ERROR "^sahdict-tool: cannot read /proc/self/mem: Input/output error\n$")
endif()
