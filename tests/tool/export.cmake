# sahdict-tool define and export: golden runs on tests/data/export/small.dict,
# and the exports read by the programs they are made for (readers.sh).
set(small tests/data/export/small.dict)
set(tab "\t")

sahdict_tool_check(NAME define_each ARGS define ${small} EACH tests/data/export/define-items.txt
  EXIT 0 EXPECT_FILE tests/data/export/define.out)
sahdict_tool_check(NAME define_json ARGS define ${small} уу --json EXPECT_FILE tests/data/export/define-json.out)
sahdict_tool_check(NAME define_json_none ARGS define ${small} дом --pair SAH-RUS --json EXIT 1
  EXPECT_FILE tests/data/export/define-json-alternatives.out)
sahdict_tool_check(NAME define_none ARGS define ${small} zzzz EXIT 1 EXPECT "^not found: zzzz\n$")
sahdict_tool_check(NAME define_usage ARGS define ${small} уу --pair SAH EXIT 2)
sahdict_tool_check(NAME define_missing ARGS define tests/data/export/none.dict уу EXIT 2 ERROR "cannot read")

sahdict_tool_check(NAME export_bad_format ARGS export ${small} html ${CMAKE_BINARY_DIR}/export-unused EXIT 2)
sahdict_tool_check(NAME export_bad_option ARGS export ${small} tsv ${CMAKE_BINARY_DIR}/export-unused --letters EXIT 2)
sahdict_tool_check(NAME export_not_empty ARGS export ${small} tsv tests/data/export EXIT 2
  ERROR "holds other files")
sahdict_tool_check(NAME export_one_pair ARGS export ${small} tsv ${CMAKE_BINARY_DIR}/export-one --pair RSE-SAH --force
  EXIT 1 EXPECT "^skipped: tab${tab}плохое${tab}слово\n[^\n]*/export-one/rse-sah.tsv\n$")

# The TSV files of the small dictionary, byte for byte (their header, notes,
# examples and real letters).
add_test(NAME tool.export_tsv COMMAND bash -c
  "rm -rf \"$1\" && \"$0\" export tests/data/export/small.dict tsv \"$1\" --force >/dev/null; diff -r tests/data/export/tsv \"$1\""
  $<TARGET_FILE:sahdict-tool> ${CMAKE_BINARY_DIR}/export-tsv
  WORKING_DIRECTORY ${CMAKE_SOURCE_DIR})

# Every format in one run: a folder each, the TSV files as above.
add_test(NAME tool.export_all COMMAND bash -c
  "rm -rf \"$1\" && \"$0\" export tests/data/export/small.dict all \"$1\" >/dev/null; diff -r tests/data/export/tsv \"$1/tsv\" && [ \"$(ls \"$1\" | tr '\\n' ' ')\" = 'dictd dsl stardict tsv xdxf ' ]"
  $<TARGET_FILE:sahdict-tool> ${CMAKE_BINARY_DIR}/export-all
  WORKING_DIRECTORY ${CMAKE_SOURCE_DIR})

# The real readers (on one run of every format): sdcv, dictd with dict, xmllint and dictzip.
add_test(NAME tool.readers_default COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/readers.sh $<TARGET_FILE:sahdict-tool>
  ${CMAKE_SOURCE_DIR}/data/default.dict ${CMAKE_BINARY_DIR}/readers-default 200)
set_tests_properties(tool.readers_default PROPERTIES TIMEOUT 300 RESOURCE_LOCK readers)
# The corpus (skipped when absent): every headword and 1,000 generated forms.
# Not in a sanitizer build, where the default dictionary's run covers the code.
if(NOT SAHDICT_SANITIZE)
  add_test(NAME tool.readers_corpus COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/readers.sh $<TARGET_FILE:sahdict-tool>
    ${SAHDICT_CORPUS} ${CMAKE_BINARY_DIR}/readers-corpus 1000)
  set_tests_properties(tool.readers_corpus PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 900 RESOURCE_LOCK readers)
endif()
