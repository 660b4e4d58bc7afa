# The reader through dump: each tests/data/read/NAME.dict prints exactly NAME.out
# (its messages, then its entries in store order). check adds the read's result
# where messages already make the exit code 1.
function(sahdict_read_case name)
  sahdict_tool_check(NAME read_${name} ARGS dump tests/data/read/${name}.dict
                     EXPECT_FILE tests/data/read/${name}.out ${ARGN})
endfunction()
function(sahdict_read_result name result count)
  sahdict_tool_check(NAME read_${name}_result ARGS check tests/data/read/${name}.dict EXIT 1
                     EXPECT "\nresult: ${result}\nentries: ${count}\n$")
endfunction()

# Text layout: a paragraph ends at an empty line, a comment, a header or the end
# of the file; a line of spaces joins it. A declared Sorted is not checked.
sahdict_read_case(empty EXIT 1)
sahdict_read_case(paragraphs)
sahdict_read_case(sorted-claim)
# Format errors (( after -, no ), ) before (, nothing) carry the number of the
# line that ended the paragraph.
sahdict_read_case(format-errors EXIT 1)
sahdict_read_result(format-errors false 0)
# Header messages in the order they arise; reading goes on.
sahdict_read_case(header-messages EXIT 1)
sahdict_read_result(header-messages true 1)
# A wrong languages value is reported once and used as the pair.
sahdict_read_case(wrong-languages EXIT 1)
sahdict_read_result(wrong-languages true 4)
# No language: reading stops at the empty line and the entries so far stay
# unsorted; without an empty line the end of the file still parses.
sahdict_read_case(no-language EXIT 1)
sahdict_read_result(no-language false 1)
sahdict_read_case(no-language-to-end)
# Derived Sakha words: canonical; outside-alphabet-only words and a bare hyphen
# give nothing; a dot inside a word marks the next one.
sahdict_read_case(sakha-words)
# Derived Russian words: the RSE copy, no headword, nothing with a dot, no empty pieces.
sahdict_read_case(russian-words)
# NeedSahExtract sorts even with Sorted. Equal Words keep the file order (main,
# Sakha words, RSE copy, Russian words); the two identical "б (а)" become one.
sahdict_read_case(extract-sorts)
# Raw layout: twelve data lines give two entries, pairs keep their spaces,
# fields are trimmed; a comment line is one empty field, and without Sorted the
# entries are sorted; a file that ends inside an entry keeps the whole entries;
# raw after text parses the pending paragraph at the header.
sahdict_read_case(raw-fields)
sahdict_read_case(raw-comment)
sahdict_read_case(raw-cut)
sahdict_read_case(raw-after-text)
