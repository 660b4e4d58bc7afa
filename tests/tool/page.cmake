# sahdict-tool: article and message pages, the language check.

# An empty NOTE is an argument of its own; sahdict_tool_check's list of ARGS
# cannot carry an empty element, so this run is registered directly.
add_test(NAME tool.render_doc COMMAND sahdict-tool render дом "" ".дьиэ, .бала5ан")
set_tests_properties(tool.render_doc PROPERTIES PASS_REGULAR_EXPRESSION
  "^<body bgcolor=#FAFAF5><font color=# size=6>дом</font><font color=#6C6C6C size=3> \\(</font><font color=#6C6C6C size=3>\\)</font><br><font color=# size=5> <font color=#7B9006>дьиэ</font><font color=#B27800><b><font color=#5B544B size=5>,</font></b></font> <font color=#7B9006>бала5ан</font></font></body>\n$")
sahdict_tool_check(NAME render_two_args ARGS render a b EXIT 2)

set(pages tests/data/pages)
# Translations that segment words, remarks and examples, one page per line of
# translations.txt; then Sakha words shown with real letters read like the same
# words written with them.
sahdict_tool_check(NAME render_translations ARGS render h n EACH ${pages}/translations.txt
                   EXPECT_FILE ${pages}/translations.out)
sahdict_tool_check(NAME render_letters_pages ARGS render --letters h5 O EACH ${pages}/letters-notation.txt
                   EXPECT_FILE ${pages}/letters.out)
sahdict_tool_check(NAME render_real_letters_pages ARGS render h5 O EACH ${pages}/letters-real.txt
                   EXPECT_FILE ${pages}/letters.out)
sahdict_tool_check(NAME render_letters ARGS render --letters h5 O ".о5о мин h5"
  EXPECT "^<body bgcolor=#FAFAF5><font color=# size=6>h5</font>[^\n]*<font color=#7B9006>оҕо</font> <font color=#B27800>мин</font> <font color=#B27800>h5</font>")
sahdict_tool_check(NAME render_letters_two_args ARGS render --letters a b EXIT 2)

sahdict_tool_check(NAME message_no_text ARGS message EXIT 2)
# Every punctuation character is highlighted once, markup is not looked at
# again, text is not escaped; CR LF becomes a line break, a lone LF or CR does not.
sahdict_tool_check(NAME message_pages ARGS message EACH ${pages}/messages.txt EXPECT_FILE ${pages}/messages.out)
sahdict_tool_check(NAME message_compact_pages ARGS message --compact EACH ${pages}/compact.txt
                   EXPECT_FILE ${pages}/compact.out)
sahdict_tool_check(NAME message_bad_flag ARGS message --wide x EXIT 2)

# Sakha text is searched in its canonical form: "3" is typed for "дь".
sahdict_tool_check(NAME article_sah ARGS article ${pages}/small.dict SAH-RUS 3иэм
  EXPECT "^<body bgcolor=#FAFAF5><font color=# size=6>мой дом</font>[^\n]*<div style='padding: 0,0,0,20px'><font color=#8D8D8D size=4>Пример:  ")
sahdict_tool_check(NAME article_letters ARGS article --letters tests/data/search/suggest.dict RUS-SAH ученье
  EXPECT "^<body bgcolor=#FAFAF5><font color=# size=6>ученье</font>[^\n]*<font color=#7B9006>үөрэх</font>[^\n]*<font color=#7B9006>ҥуурдаах</font></font></body>\n$")
sahdict_tool_check(NAME article_letters_missing_arg ARGS article --letters tests/data/search/suggest.dict RUS-SAH EXIT 2)
sahdict_tool_check(NAME article_none ARGS article ${pages}/small.dict RUS-SAH яяя EXPECT "^$" EXIT 1)
sahdict_tool_check(NAME article_missing_arg ARGS article ${pages}/small.dict RUS-SAH EXIT 2)

sahdict_tool_check(NAME langcheck_stdin ARGS langcheck ${pages}/russian-only.dict - INPUT ${CMAKE_SOURCE_DIR}/${pages}/langcheck-input.txt
  EXPECT "^layout: compact\nСлишком коротко!\n--\nlayout: compact\nНе удается определить!\n\nСтатистика по сочетаниям: \nРусские:  а=0\\.00001 ат=0\\.00001 т =0\\.00001 \nЯкутские:  а=0\\.00000 ат=0\\.00000 т =0\\.00000 \n--\n$")
# Stores of a few raw entries, answers through standard input: the worked
# example and its compact answers (nothing typed, both products 0, case not
# folded); answers taken in code form between single spaces; percentages of
# pairs seen in both languages adding up to 100. An empty store decides nothing.
foreach(store small code-form shared-pairs)
  sahdict_tool_check(NAME langcheck_${store} ARGS langcheck tests/data/langcheck/${store}.dict -
                     INPUT tests/data/langcheck/${store}.txt EXPECT_FILE tests/data/langcheck/${store}.out)
endforeach()
sahdict_tool_check(NAME langcheck_empty_store ARGS langcheck tests/data/read/empty.dict аб EXIT 1
                   EXPECT "^message: В словаре нет ни одной читаемой статьи\nlayout: compact\nНе удается определить!\n")
sahdict_tool_check(NAME langcheck_missing_arg ARGS langcheck ${pages}/small.dict EXIT 2)

# The shared corpus: a Russian and a Sakha word each lean to their language.
if(EXISTS ${SAHDICT_CORPUS})
  sahdict_tool_check(NAME langcheck_corpus_russian ARGS langcheck ${SAHDICT_CORPUS} здравствовать
                     EXPECT "^layout: normal\n[^\n]*\n[^\n]*русское - ([5-9][0-9]|100)\\.")
  sahdict_tool_check(NAME langcheck_corpus_sakha ARGS langcheck ${SAHDICT_CORPUS} 5алаабыт
                     EXPECT "^layout: normal\n[^\n]*\n[^\n]*\n[^\n]*якутское - ([5-9][0-9]|100)\\.")
endif()
# The shipped sample dictionary: the typed word is shown in code form.
sahdict_tool_check(NAME langcheck_default ARGS langcheck data/default.dict ньаат
                   EXPECT "^layout: normal\n 7аат \nВероятность того, что это слово русское - ")
