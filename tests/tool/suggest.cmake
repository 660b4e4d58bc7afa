# sahdict-tool suggest: the suggestion line's alternatives on tests/data/search/suggest.dict.
set(suggest_dict tests/data/search/suggest.dict)
set(tab "\t")

# One item of each kind (an empty text begins every word; case, "ё" and
# stress marks are folded), then one with nothing found (exit 1).
sahdict_tool_check(NAME suggest_stdin ARGS suggest ${suggest_dict} RUS-SAH - INPUT ${CMAKE_CURRENT_SOURCE_DIR}/suggest-input.txt
  EXIT 1 EXPECT "^exact${tab}3${tab}дом${tab}\n--\nexact${tab}1${tab}Ёлка${tab}\n--\nfolded${tab}1${tab}Ёлка${tab}\n--\nfolded${tab}4${tab}здание${tab}\n--\nsimilar${tab}6${tab}лошадь${tab}1\n--\n--\n$")
# Sakha letters count once ("уо" and "YO" are one long vowel each, one apart);
# a form the morphology model explains; too short for a similar word.
sahdict_tool_check(NAME suggest_sakha ARGS suggest ${suggest_dict} SAH-RUS - INPUT ${CMAKE_CURRENT_SOURCE_DIR}/suggest-sakha-input.txt
  EXIT 1 EXPECT "^similar${tab}1${tab}YOрэх \\(ученье\\)${tab}1\n--\nsimilar${tab}6${tab}кыыс \\(девушка\\)${tab}1\n--\nform${tab}3${tab}дьиэ \\(дом\\)${tab}1 л. ед. ч. притяж.\n--\n--\n$")
sahdict_tool_check(NAME suggest_no_pair ARGS suggest ${suggest_dict} RUS-RUS дом EXIT 1 EXPECT "^--\n$")
# The box's rewriting comes first: real letters typed for a Sakha source.
sahdict_tool_check(NAME suggest_sakha_form ARGS suggest ${suggest_dict} SAH-RUS дьиэбэр
  EXPECT "^form${tab}3${tab}дьиэ \\(дом\\)${tab}1 л. ед. ч. притяж., дат.-мест. п.\n--\n$")
sahdict_tool_check(NAME suggest_real_letters ARGS suggest ${suggest_dict} SAH-RUS ҥуурдаах
  EXPECT "^exact${tab}7${tab}н'уурдаах \\(ученье\\)${tab}\n--\n$")
sahdict_tool_check(NAME suggest_usage ARGS suggest ${suggest_dict} RUS-SAH EXIT 2)
