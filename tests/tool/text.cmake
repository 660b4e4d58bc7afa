# sahdict-tool: the framework (help, version, usage, items from standard input) and the text commands.
sahdict_tool_check(NAME version ARGS --version EXPECT "^sahdict-tool 1\\.04 b27\n$")
sahdict_tool_check(NAME help ARGS --help EXPECT "\n  code [^\n]*\n  canon [^\n]*\n  notation [^\n]*\n  letters [^\n]*\n  check [^\n]*\n  compile [^\n]*\n  dump [^\n]*\n  lookup [^\n]*\n  stats [^\n]*\n  suggest [^\n]*\n  search [^\n]*\n  harmony [^\n]*\n  forms [^\n]*\n  render [^\n]*\n  message [^\n]*\n  article [^\n]*\n  langcheck ")
sahdict_tool_check(NAME no_args EXIT 2)
sahdict_tool_check(NAME unknown_command ARGS frobnicate EXIT 2)
sahdict_tool_check(NAME code_missing_arg ARGS code EXIT 2)
sahdict_tool_check(NAME canon_two_args ARGS canon a b EXIT 2)
sahdict_tool_check(NAME code_word ARGS code дьиэ EXPECT "^32\n$")
# Real letters and capitals into the notation, and the notation shown with real letters.
sahdict_tool_check(NAME notation_letters ARGS notation "Ҥ ҮӨРЭХ Олох 4" EXPECT "^н' YOрэх Oлох н'\n$")
sahdict_tool_check(NAME letters_notation ARGS letters "нг YOрэх 8 дьиэ" EXPECT "^ҥ үөрэх ө дьиэ\n$")
# Items end at LF or CR LF; a lone CR stays in the item and in the answer.
sahdict_tool_check(NAME canon_stdin ARGS canon - INPUT ${CMAKE_CURRENT_SOURCE_DIR}/canon-input.txt
                   EXPECT "^ннь\nн'\nдьон\nx\ry\n\n$")
# Tables of items through standard input, each answered by one line of tests/data/text/COMMAND.out:
# the code form follows the step order; the canonical form spells letters out;
# typed real letters become the notation, and the notation shows as real letters.
foreach(command code canon notation letters)
  sahdict_tool_check(NAME ${command}_table ARGS ${command} - INPUT tests/data/text/${command}.txt
                     EXPECT_FILE tests/data/text/${command}.out)
endforeach()
