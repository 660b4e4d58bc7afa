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
    # OUT that is SRC itself, or a link to it, is refused and SRC stays as it
    # was; the set-user-ID, set-group-ID and sticky bits of OUT are not kept.
    sh("cp ${small} same.dict && ln -s same.dict same-link.dict && chmod 7755 real.dict")
    foreach(out same.dict same-link.dict)
      run(2 "^result: true\n" "cannot write ${out}: it is the source file same.dict" ${TOOL} compile same.dict ${out})
    endforeach()
    run(0 "" "^$" cmp same.dict ${small})
    run(0 "result: true" "^$" ${TOOL} compile ${small} real.dict)
    run(0 "^755\n$" "" stat -c %a real.dict)

  elseif(CASE STREQUAL "cut_writes")
    # Writes cut short by the file size limit are reported (its signal does
    # not kill the tool) and leave nothing behind, and the next write also
    # clears a temporary file that an older writer left; then the folder holds
    # the source and the output only. Memory that runs out while writing is
    # reported too.
    file(COPY ${SOURCE} DESTINATION ${WORK})
    get_filename_component(src ${SOURCE} NAME)
    run(2 "^result: true\n" "^sahdict-tool: cannot write out.dict: File too large\n$"
        sh -c "ulimit -f 4 && exec \"$0\" compile ${src} out.dict" ${TOOL})
    find_program(PRLIMIT prlimit)
    if(PRLIMIT AND NOT SANITIZE)
      # The limit at which writing runs out depends on the size of the program
      # and its libraries: from too little to start up (the loader or the C++
      # runtime gives up before the tool runs, writing nothing) up to enough,
      # every limit ends in a message or a finished compile, and one in the
      # write's message.
      set(write_oom FALSE)
      foreach(megabytes RANGE 5 40)
        math(EXPR bytes "${megabytes} * 1000000")
        execute_process(COMMAND ${PRLIMIT} --as=${bytes} ${TOOL} compile ${small} out.dict WORKING_DIRECTORY ${WORK}
                        OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc TIMEOUT 60)
        if(rc EQUAL 0)
          break()
        elseif(err MATCHES "^sahdict-tool: cannot write out.dict: out of memory while writing out.dict\n$")
          set(write_oom TRUE)
        elseif(NOT (rc EQUAL 2 AND err MATCHES "out of memory while reading") AND NOT (out STREQUAL "" AND err MATCHES "terminate called|error while loading shared libraries"))
          message(FATAL_ERROR "compile under --as=${bytes}: exit ${rc}\nstdout:\n${out}\nstderr:\n${err}")
        endif()
      endforeach()
      if(NOT write_oom)
        message(FATAL_ERROR "no memory limit ended in the write's out-of-memory message")
      endif()
      file(REMOVE ${WORK}/out.dict)  # the finished compile's
      # Too little memory for the Russian spelling dictionary: no Russian forms, no failure.
      run(1 "^--\n$" "^$" ${PRLIMIT} --as=14000000 ${TOOL} suggest ${small} RUS-SAH домами)
    endif()
    expect_files(${src})
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
    # compiled file is UTF-8 too, and declares it.
    set(entry "RUS-SAH\tдом\tдом\tсущ\\.\t\\.дьиэ; \\.бала5ан \\.н'ээ \\.OрYс hY5")
    run(0 "^encoding: utf-8\n${entry}\n$" "^$" ${TOOL} dump ${DATA}/utf8-bom.dict)
    run(0 "^encoding: utf-8\nresult: true\nentries: 5\n$" "^$" ${TOOL} check ${DATA}/utf8.dict)
    run(0 "^encoding: utf-8\nresult: true\nentries: 5\n$" "^$" ${TOOL} compile ${DATA}/utf8.dict out.dict)
    run(0 "^encoding: utf-8\nSAH-RUS\tOрYс \\(дом\\)\t" "^$" ${TOOL} dump out.dict)
    run(0 "\n--encoding UTF-8" "^$" cat out.dict)

  elseif(CASE STREQUAL "garbled")
    # Mixed and broken encodings are read in the encoding most of the file is
    # valid in, with one message naming the first bad line; what compiles
    # dumps exactly like its source. dump_both(<src>): compile and compare.
    function(dump_both src)
      execute_process(COMMAND ${TOOL} compile ${src} ${src}.out WORKING_DIRECTORY ${WORK} OUTPUT_QUIET)
      foreach(f ${src} ${src}.out)
        execute_process(COMMAND ${TOOL} dump ${f} WORKING_DIRECTORY ${WORK} OUTPUT_VARIABLE d)
        string(REGEX REPLACE "message: [^\n]*\n" "" d${f} "${d}")
      endforeach()
      if(NOT "${d${src}}" STREQUAL "${d${src}.out}" OR "${d${src}}" STREQUAL "")
        message(FATAL_ERROR "${src}: the compiled file dumps\n${d${src}.out}\nthe source\n${d${src}}")
      endif()
    endfunction()
    set(a "\r\n\r\n")
    # UTF-8 with a Windows-1251 comment, an overlong form and an encoded surrogate.
    sh("printf -- '--languages RUS-SAH\\r\\n--comments \\344\\356\\354${a}ель (сущ.) - .харыйа${a}дом (сущ.) - .дьиэ${a}книга (сущ.) - .кинигэ\\300\\257\\355\\240\\200\\r\\n' > mixed.dict")
    run(1 "^message: Строка 2 не в кодировке UTF-8: неверные байты заменены знаком �\nencoding: utf-8\n.*\tкнига\tсущ\\.\t\\.кинигэ�����\n$" "^$" ${TOOL} dump mixed.dict)
    dump_both(mixed.dict)
    run(0 "^encoding: utf-8\n1\tдом\n$" "^$" ${TOOL} lookup mixed.dict.out RUS-SAH дом)
    # Characters that Windows-1251 lacks survive compiling.
    sh("printf -- '--languages RUS-SAH${a}до\\314\\201м (сущ.) - .дьиэ café \\360\\237\\230\\200\\r\\n' > accents.dict")
    dump_both(accents.dict)
    run(0 "^encoding: utf-8\n1\tдо́м\n$" "^$" ${TOOL} lookup accents.dict.out RUS-SAH до́м)
    # A byte-order mark over Windows-1251.
    sh("printf -- '\\357\\273\\277--languages RUS-SAH${a}\\344\\356\\354 (\\361\\363\\371.) - .\\344\\374\\350\\375\\r\\n' > bom.dict")
    run(1 "^message: Файл начинается с метки UTF-8, но строка 3 не в UTF-8: словарь прочитан в кодировке Windows-1251\nRUS-SAH\tдом\tдом\tсущ\\.\t\\.дьиэ\n$" "^$" ${TOOL} dump bom.dict)
    dump_both(bom.dict)
    # A lone CR inside an article line, and a source of headers only.
    sh("printf -- '--languages RUS-SAH${a}дом (сущ.) - .дьиэ\\rкнига (сущ.) - .кинигэ\\r\\n' > cr.dict")
    run(1 "^message: Строка 3 содержит одиночный знак CR [^\n]*\nencoding: utf-8\nresult: true\nentries: 1\n$" "^$" ${TOOL} check cr.dict)
    sh("printf -- '--languages RUS-SAH\\r\\n--dicttype NeedSahExtract\\r\\n' > headers.dict")
    run(1 "^message: В словаре нет ни одной читаемой статьи\nresult: false\nentries: 0\n$" "^$" ${TOOL} check headers.dict)

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
            -DWORK=${CMAKE_CURRENT_BINARY_DIR}/files-${case} -DSANITIZE=${SAHDICT_SANITIZE}
            -P ${CMAKE_CURRENT_SOURCE_DIR}/files.cmake)
endfunction()
if(UNIX)
  foreach(case stdout out_kinds cut_writes input_kinds utf8 garbled tool_usage)
    sahdict_tool_files(${case})
  endforeach()
endif()

# A read that fails after the file was opened: the system's reason, exit 2.
if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
  sahdict_tool_check(NAME check_read_error ARGS check /proc/self/mem EXIT 2
    ERROR "^sahdict-tool: cannot read /proc/self/mem: Input/output error\n$")
endif()
