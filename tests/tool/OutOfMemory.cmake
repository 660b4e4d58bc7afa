# Runs as a script (cmake -DTOOL=... -DFILE=... -DOUT=... -P OutOfMemory.cmake): writes a
# dictionary whose one article yields two million entries, then compiles it with the
# address space limited to 40 MB. The tool must say it ran out of memory while
# reading FILE, exit 2 and write nothing; it must not abort.
string(REPEAT "аб " 2000000 words)
file(WRITE ${FILE} "--languages RUS-SAH\r\n--dicttype NeedRusExtract\r\n\r\nслово (сущ.) - ${words}\r\n")
file(REMOVE ${OUT})
execute_process(COMMAND ${PRLIMIT} --as=40000000 ${TOOL} compile ${FILE} ${OUT}
                OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
file(REMOVE ${FILE})
if(NOT rc EQUAL 2 OR NOT err STREQUAL "sahdict-tool: out of memory while reading ${FILE}\n")
  message(FATAL_ERROR "exit ${rc}, expected 2\nstdout:\n${out}\nstderr:\n${err}")
endif()
if(EXISTS ${OUT})
  message(FATAL_ERROR "the run left ${OUT} behind")
endif()
