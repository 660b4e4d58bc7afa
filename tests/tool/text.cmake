sahdict_tool_check(NAME canon_uo ARGS canon УО EXPECT "^YO\n$")
sahdict_tool_check(NAME canon_stdin ARGS canon - INPUT ${CMAKE_CURRENT_SOURCE_DIR}/canon-input.txt
                   EXPECT "^ннь\nн'\nдьон\n\n$")
sahdict_tool_check(NAME code_word ARGS code дьиэ EXPECT "^32\n$")
sahdict_tool_check(NAME version ARGS --version EXPECT "^sahdict-tool 1\\.04 b27\n$")
sahdict_tool_check(NAME help ARGS --help EXPECT "canon")
sahdict_tool_check(NAME no_args EXIT 2)
sahdict_tool_check(NAME unknown_command ARGS frobnicate EXIT 2)
sahdict_tool_check(NAME code_missing_arg ARGS code EXIT 2)
