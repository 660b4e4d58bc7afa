# sahdict-tool: the grammar engine through harmony and forms.
set(grammar tests/data/grammar)

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
sahdict_tool_check(NAME forms_missing_arg ARGS forms EXIT 2)

sahdict_tool_check(NAME harmony_words ARGS harmony "8ат кинигэлар" EXPECT "^OOт кинигэлэр\n$")
# Harmony follows the last vowel of each word; a changed vowel leads the next
# one, consonants do not break the chain, the first vowel never changes.
sahdict_tool_check(NAME harmony_table ARGS harmony - INPUT ${grammar}/harmony.txt EXPECT_FILE ${grammar}/harmony.out)
# No first word to inflect (an empty item, a leading space): every form is empty.
sahdict_tool_check(NAME forms_no_first_word ARGS forms - INPUT ${grammar}/no-first-word.txt
                   EXPECT_FILE ${grammar}/no-first-word.out)

# sahdict_forms_facts(NAME WORD "number person case form"...): forms WORD prints
# these lines, in this order, among its 112 (an empty form ends in a space here).
# Each line has three tabs, so a fact can only match a whole line.
function(sahdict_forms_facts name word)
  set(lines "")
  foreach(fact ${ARGN})
    string(REPLACE " " "\t" fact "${fact}")
    string(APPEND lines "${fact}\n.*")
  endforeach()
  sahdict_tool_check(NAME forms_${name} ARGS forms "${word}" EXPECT "${lines}")
endfunction()

# Every case in both numbers, the persons, and the composed possessive case
# suffixes (a stem ending in a vowel keeps every suffix initial). The singular
# nominative is the first word as typed; every other form is canonical.
sahdict_forms_facts(at "ат" "1 0 1 ат" "1 0 2 атта" "1 0 3 акка" "1 0 4 аты" "1 0 5 аттан" "1 0 6 атынан"
  "1 0 7 аттыын" "1 0 8 аттаа5ар" "1 1 1 атым" "1 1 3 аппар" "1 2 1 атын'" "1 3 1 ата" "1 3 2 " "1 3 3 атыгар"
  "1 4 1 аппыт" "1 5 1 аккыт" "1 6 1 аттара" "2 0 1 аттар" "2 0 2 аттарда" "2 0 3 аттарга" "2 0 4 аттары"
  "2 0 5 аттардан" "2 0 6 аттарынан" "2 0 7 аттардыын" "2 0 8 аттардаа5ар")
sahdict_forms_facts(ba "ба" "1 1 3 бабар" "1 1 4 бабын" "1 1 5 бабыттан" "1 1 6 бабынан" "1 1 7 бабыныын"
  "1 1 8 бабынаа5ар" "1 2 3 ба5ар" "1 2 4 ба5ын" "1 2 5 ба5ыттан" "1 2 6 ба5ынан" "1 2 7 ба5ыныын" "1 2 8 ба5ынаа5ар"
  "1 3 3 баыгар" "1 3 4 баын" "1 3 5 баыттан" "1 3 6 баынан" "1 3 7 баыныын" "1 3 8 баынаа5ар" "1 4 3 бабытыгар"
  "1 4 4 бабытын" "1 4 5 бабытыттан" "1 4 6 бабытынан" "1 4 7 бабытыныын" "1 4 8 бабытынаа5ар" "1 5 3 ба5ытыгар"
  "1 5 4 ба5ытын" "1 5 5 ба5ытыттан" "1 5 6 ба5ытынан" "1 5 7 ба5ытыныын" "1 5 8 ба5ытынаа5ар" "1 6 3 баларыгар"
  "1 6 4 баларын" "1 6 5 баларыттан" "1 6 6 баларынан" "1 6 7 баларыныын" "1 6 8 баларынаа5ар")
# Assimilation at the seam of stem and suffix; stem and suffix in code form first.
sahdict_forms_facts(dyon "дьон" "1 0 3 дьон'н'о" "1 4 1 дьоммут" "2 0 1 дьоннор")
sahdict_forms_facts(suruk "сурук" "1 0 3 сурукка" "1 1 1 суругум" "1 4 1 сурукпут" "2 0 1 суруктар")
sahdict_forms_facts(as "ас" "1 3 1 аhа" "2 0 1 астар")
sahdict_forms_facts(okh "ох" "1 0 3 оххо" "1 3 1 о5о")
sahdict_forms_facts(kyyl "кыыл" "1 0 3 кыылга" "2 0 1 кыыллар")
sahdict_forms_facts(sir "сир" "1 0 3 сиргэ" "2 0 1 сирдэр")
sahdict_forms_facts(kinige "кинигэ" "1 0 3 кинигэ5э" "1 1 1 кинигэим")
sahdict_forms_facts(tuokh "туох" "2 0 1 туохтор")
sahdict_forms_facts(mashina "машина" "1 0 1 машина" "1 0 2 машинэлэ")
sahdict_forms_facts(at_kus "ат кус" "1 0 1 ат" "1 0 3 акка")
sahdict_forms_facts(oot "8ат" "1 0 1 8ат" "2 0 1 OOттOр")
sahdict_forms_facts(tup "туп" "1 3 1 туба")
sahdict_forms_facts(ok "ок" "1 4 1 окпут")
sahdict_forms_facts(am "ам" "1 0 3 амн'а" "1 4 1 аммыт" "2 0 1 амнар")
sahdict_forms_facts(any "ан'" "1 4 1 ан'мыт")
sahdict_forms_facts(ai "ай" "2 0 1 айдар")
sahdict_forms_facts(an "ан" "2 0 1 аннар")
sahdict_forms_facts(ap "ап" "1 0 3 апка")
