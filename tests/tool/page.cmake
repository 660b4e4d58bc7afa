# sahdict-tool: grammar, article and message pages, the language check.

# forms prints 112 lines in the nesting order number, person, case.
set(forms_shape "^")
foreach(n 1 2)
  foreach(p 0 1 2 3 4 5 6)
    foreach(c 1 2 3 4 5 6 7 8)
      string(APPEND forms_shape "${n}\t${p}\t${c}\t[^\n\t]*\n")
    endforeach()
  endforeach()
endforeach()
string(APPEND forms_shape "$")
sahdict_tool_check(NAME forms_shape ARGS forms ат EXPECT "${forms_shape}")
sahdict_tool_check(NAME forms_at ARGS forms ат
                   EXPECT "\n1\t0\t3\tакка\n.*\n1\t1\t1\tатым\n.*\n1\t2\t1\tатын'\n.*\n1\t3\t2\t\n.*\n2\t0\t1\tаттар\n")
sahdict_tool_check(NAME forms_missing_arg ARGS forms EXIT 2)

sahdict_tool_check(NAME harmony_words ARGS harmony "8ат кинигэлар" EXPECT "^OOт кинигэлэр\n$")

# An empty NOTE is an argument of its own; sahdict_tool_check's list of ARGS
# cannot carry an empty element, so this run is registered directly.
add_test(NAME tool.render_doc COMMAND sahdict-tool render дом "" ".дьиэ, .бала5ан")
set_tests_properties(tool.render_doc PROPERTIES PASS_REGULAR_EXPRESSION
  "^<body bgcolor=#FAFAF5><font color=# size=6>дом</font><font color=#6C6C6C size=3> \\(</font><font color=#6C6C6C size=3>\\)</font><br><font color=# size=5> <font color=#7B9006>дьиэ</font><font color=#B27800><b><font color=#5B544B size=5>,</font></b></font> <font color=#7B9006>бала5ан</font></font></body>\n$")
sahdict_tool_check(NAME render_two_args ARGS render a b EXIT 2)
sahdict_tool_check(NAME render_letters ARGS render --letters h5 O ".о5о мин h5"
  EXPECT "^<body bgcolor=#FAFAF5><font color=# size=6>h5</font>[^\n]*<font color=#7B9006>оҕо</font> <font color=#B27800>мин</font> <font color=#B27800>h5</font>")
sahdict_tool_check(NAME render_letters_two_args ARGS render --letters a b EXIT 2)

sahdict_tool_check(NAME message_normal ARGS message a.b
  EXPECT "^<body bgcolor=#FAFAF5><font color=#7B9006 size=4>a<b><font color=#5B544B size=5>\\.</font></b>b</font></body>\n$")
sahdict_tool_check(NAME message_compact ARGS message --compact x
  EXPECT "^<body bgcolor=#FAFAF5><b><font color=#876112 size=5>x</font></b></body>\n$")
sahdict_tool_check(NAME message_no_text ARGS message EXIT 2)
sahdict_tool_check(NAME message_bad_flag ARGS message --wide x EXIT 2)

set(pages tests/data/pages)
# Sakha text is searched in its canonical form: "3" is typed for "дь".
sahdict_tool_check(NAME article_sah ARGS article ${pages}/small.dict SAH-RUS 3иэм
  EXPECT "^<body bgcolor=#FAFAF5><font color=# size=6>мой дом</font>[^\n]*<div style='padding: 0,0,0,20px'><font color=#8D8D8D size=4>Пример:  ")
sahdict_tool_check(NAME article_letters ARGS article --letters tests/data/search/suggest.dict RUS-SAH ученье
  EXPECT "^<body bgcolor=#FAFAF5><font color=# size=6>ученье</font>[^\n]*<font color=#7B9006>үөрэх</font>[^\n]*<font color=#7B9006>ҥуурдаах</font></font></body>\n$")
sahdict_tool_check(NAME article_letters_missing_arg ARGS article --letters tests/data/search/suggest.dict RUS-SAH EXIT 2)
sahdict_tool_check(NAME article_none ARGS article ${pages}/small.dict RUS-SAH яяя EXPECT "^$" EXIT 1)
sahdict_tool_check(NAME article_missing_arg ARGS article ${pages}/small.dict RUS-SAH EXIT 2)

sahdict_tool_check(NAME langcheck_stdin ARGS langcheck ${pages}/russian-only.dict - INPUT ${CMAKE_SOURCE_DIR}/${pages}/langcheck-input.txt
  EXPECT "^layout: compact\nСлишком коротко!\n--\nlayout: compact\nНе удается определить!\n\nСтатистика по сочтаниям: \nРусские:  а=0\\.00001 ат=0\\.00001 т =0\\.00001 \nЯкутские:  а=0\\.00000 ат=0\\.00000 т =0\\.00000 \n--\n$")
sahdict_tool_check(NAME langcheck_missing_arg ARGS langcheck ${pages}/small.dict EXIT 2)

# The shipped sample dictionary: the typed word is shown in code form.
sahdict_tool_check(NAME langcheck_default ARGS langcheck data/default.dict ньаат
                   EXPECT "^layout: normal\n 7аат \nВероятность того, что это слово русское - ")
