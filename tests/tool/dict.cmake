# sahdict-tool: check, compile, dump, lookup and stats on the files in tests/data/dict.
#
# Run as a script (cmake -DTOOL=... -DSRC=... -DOUT=... [-DCOMPILED=...] -P dict.cmake)
# this file compiles SRC into OUT and checks that dumping OUT prints exactly
# what dumping SRC prints, and that OUT reads without a message. OUT must hold
# the bytes of COMPILED after its first line, the date of writing.
if(CMAKE_SCRIPT_MODE_FILE)
  execute_process(COMMAND ${TOOL} compile ${SRC} ${OUT} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "compile exit ${rc}\n${out}${err}")
  endif()
  if(COMPILED)
    # Read as hex: a text read would turn CR LF into LF.
    file(STRINGS ${OUT} date LIMIT_COUNT 1)
    file(READ ${OUT} written HEX)
    file(READ ${COMPILED} expected HEX)
    string(LENGTH "${date}" n)
    math(EXPR n "2 * ${n}")
    string(SUBSTRING "${written}" ${n} -1 rest)
    if(NOT date MATCHES "^--date [0-9][0-9]\\.[0-9][0-9]\\.[0-9][0-9][0-9][0-9] [0-9]?[0-9]:[0-9][0-9]:[0-9][0-9]$"
       OR NOT rest STREQUAL "0d0a${expected}")
      message(FATAL_ERROR "${OUT} is not a date line followed by ${COMPILED}")
    endif()
  endif()
  execute_process(COMMAND ${TOOL} dump ${SRC} RESULT_VARIABLE rc OUTPUT_FILE ${OUT}.source-dump)
  execute_process(COMMAND ${TOOL} dump ${OUT} RESULT_VARIABLE rc_out OUTPUT_FILE ${OUT}.compiled-dump)
  if(NOT rc EQUAL 0 OR NOT rc_out EQUAL 0)
    message(FATAL_ERROR "dump exit ${rc} (source), ${rc_out} (compiled)")
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT}.source-dump ${OUT}.compiled-dump
                  RESULT_VARIABLE differ)
  if(differ)
    message(FATAL_ERROR "dump of ${OUT} differs from dump of ${SRC}")
  endif()
  file(REMOVE ${OUT} ${OUT}.source-dump ${OUT}.compiled-dump)
  return()
endif()

set(dict_data tests/data/dict)
set(tab "\t")

sahdict_tool_check(NAME check_small ARGS check ${dict_data}/small.dict EXPECT "^result: true\nentries: 16\n$")
sahdict_tool_check(NAME check_messages ARGS check ${dict_data}/problems.dict EXIT 1
  EXPECT "^message: Некорректный параметр dicttype Compressed\nmessage: Кодировка словаря неверна\nmessage: Ошибка формата в строке  6\nresult: true\nentries: 1\n$")
sahdict_tool_check(NAME check_missing ARGS check ${dict_data}/no-such-file.dict EXIT 2 EXPECT "^$")
sahdict_tool_check(NAME check_folder ARGS check ${dict_data} EXIT 2)
sahdict_tool_check(NAME check_usage ARGS check EXIT 2)

sahdict_tool_check(NAME dump_small ARGS dump ${dict_data}/small.dict
  EXPECT "^SAH-RUS${tab}ат \\(лошадь\\)${tab}лошадь${tab}сущ\\.${tab}\\.ат; конь \\.сылгы\nRUS-SAH${tab}дом${tab}дом${tab}")
sahdict_tool_check(NAME dump_escapes ARGS dump ${dict_data}/escapes.dict
  EXPECT "^RUS-SAH${tab}таб\\\\tслово${tab}C:\\\\\\\\путь${tab}возврат\\\\rкаретки${tab}\n$")
sahdict_tool_check(NAME dump_messages_first ARGS dump ${dict_data}/problems.dict EXIT 1
  EXPECT "^message: [^\n]*\nmessage: [^\n]*\nmessage: [^\n]*\nRUS-SAH${tab}огонь${tab}огонь${tab}сущ\\.${tab}\\.уот\n$")

sahdict_tool_check(NAME lookup_sakha_normalised ARGS lookup ${dict_data}/small.dict SAH-RUS 3иэ
  EXPECT "^2${tab}дьиэ \\(дом\\)\n$")
sahdict_tool_check(NAME lookup_stdin ARGS lookup ${dict_data}/small.dict RSE-SAH - INPUT ${dict_data}/lookup-input.txt
  EXIT 1 EXPECT "^1${tab}дом\n3${tab}здание \\(дом\\)\n0\n1${tab}дом\n$")
sahdict_tool_check(NAME lookup_usage ARGS lookup ${dict_data}/small.dict RUS-SAH EXIT 2)

sahdict_tool_check(NAME stats_small ARGS stats ${dict_data}/small.dict
  EXPECT "^Слов в словаре:\nСтатей с языка Русский на Якутский язык - 4 штук\nСтатей с языка Русский \\(расш\\.\\) на Якутский язык - 7 штук\nСтатей с языка Якутский на Русский язык - 5 штук\n$")

# Counts per pair in the order of the language numbers, source first; codes
# outside the table and the duplicate that sorting dropped are not counted.
sahdict_tool_check(NAME stats_pairs ARGS stats ${dict_data}/stats.dict EXPECT_FILE ${dict_data}/stats.out)
sahdict_tool_check(NAME stats_empty ARGS stats tests/data/read/empty.dict EXIT 1
  EXPECT "^message: В словаре нет ни одной читаемой статьи\nСлов в словаре:\n$")
sahdict_tool_check(NAME compile_unwritable ARGS compile ${dict_data}/small.dict ${dict_data}/no-such-folder/out.dict
  EXIT 2 EXPECT "^result: true\nentries: 16\n$")
sahdict_tool_check(NAME compile_failed_read ARGS compile ${dict_data}/nolang.dict ${CMAKE_CURRENT_BINARY_DIR}/never.dict
  EXIT 1 EXPECT "^message: Не определен язык\nresult: false\nentries: 0\n$" ABSENT ${CMAKE_CURRENT_BINARY_DIR}/never.dict)

# Lines that end in a lone CR read as one header line: the CR is reported, no
# readable article, a failed read, nothing written.
sahdict_tool_check(NAME check_cr_only ARGS check ${dict_data}/cr-only.dict EXIT 1
  EXPECT "^message: Строка 1 содержит одиночный знак CR \\(возврат каретки без перевода строки\\)\nmessage: В словаре нет ни одной читаемой статьи\nresult: false\nentries: 0\n$")
sahdict_tool_check(NAME compile_cr_only ARGS compile ${dict_data}/cr-only.dict ${CMAKE_CURRENT_BINARY_DIR}/cr-only.dict
  EXIT 1 EXPECT "\nresult: false\n" ABSENT ${CMAKE_CURRENT_BINARY_DIR}/cr-only.dict)

# compile then dump gives what dump of the source gives; the optional third
# argument is the compiled file expected after the date line.
function(sahdict_dict_roundtrip name src)
  add_test(NAME tool.roundtrip_${name}
    COMMAND ${CMAKE_COMMAND} -DTOOL=$<TARGET_FILE:sahdict-tool> -DSRC=${src} -DCOMPILED=${ARGV2}
            -DOUT=${CMAKE_CURRENT_BINARY_DIR}/roundtrip-${name}.dict -P ${CMAKE_CURRENT_SOURCE_DIR}/dict.cmake
    WORKING_DIRECTORY ${CMAKE_SOURCE_DIR})
endfunction()
sahdict_dict_roundtrip(small ${dict_data}/small.dict)
sahdict_dict_roundtrip(dashes ${dict_data}/dashes.dict)
sahdict_dict_roundtrip(escapes ${dict_data}/escapes.dict)
# Fields beginning with "--" are written after a space; the pair line is not.
sahdict_dict_roundtrip(dashes_compiled ${dict_data}/compile-dashes.dict ${dict_data}/compile-dashes.compiled)
# An empty source, or a compiled file of no entries, holds no readable article: nothing is written.
foreach(empty tests/data/read/empty.dict ${dict_data}/compile-empty.compiled)
  get_filename_component(name ${empty} NAME)
  sahdict_tool_check(NAME compile_no_article_${name} ARGS compile ${empty} ${CMAKE_CURRENT_BINARY_DIR}/none.dict EXIT 1
    EXPECT "^message: В словаре нет ни одной читаемой статьи\nresult: false\nentries: 0\n$"
    ABSENT ${CMAKE_CURRENT_BINARY_DIR}/none.dict)
endforeach()
# Every byte but CR and LF in every field, and fields that look like headers.
sahdict_dict_roundtrip(every_byte ${dict_data}/every-byte.dict)
sahdict_tool_check(NAME dump_every_byte ARGS dump ${dict_data}/every-byte.dict EXPECT_FILE ${dict_data}/every-byte.out)
# Sorting: by code unit, equal Words in file order, adjacent identical entries once.
sahdict_tool_check(NAME dump_sort_order ARGS dump ${dict_data}/sort-order.dict EXPECT_FILE ${dict_data}/sort-order.out)
# A false Sorted claim is read in file order, and the search walks it as it stands.
sahdict_tool_check(NAME lookup_false_sorted ARGS lookup ${dict_data}/false-sorted.dict RUS-SAH -
                   INPUT ${dict_data}/false-sorted-lookup.txt EXPECT_FILE ${dict_data}/false-sorted-lookup.out EXIT 1)
if(EXISTS ${CMAKE_SOURCE_DIR}/data/default.dict)
  sahdict_dict_roundtrip(default data/default.dict)
endif()
if(EXISTS ${SAHDICT_CORPUS})
  sahdict_dict_roundtrip(corpus ${SAHDICT_CORPUS})
endif()

# A read that runs out of memory is reported, not aborted. The sanitizers reserve
# more address space than the limit allows.
find_program(PRLIMIT prlimit)
if(PRLIMIT AND NOT SAHDICT_SANITIZE)
  add_test(NAME tool.compile_out_of_memory
    COMMAND ${CMAKE_COMMAND} -DTOOL=$<TARGET_FILE:sahdict-tool> -DPRLIMIT=${PRLIMIT} -DFILE=${CMAKE_CURRENT_BINARY_DIR}/huge-article.dict
            -DOUT=${CMAKE_CURRENT_BINARY_DIR}/huge-article-compiled.dict -P ${CMAKE_CURRENT_SOURCE_DIR}/OutOfMemory.cmake)
endif()
