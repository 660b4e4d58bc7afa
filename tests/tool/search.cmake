# sahdict-tool search on tests/data/search/articles.dict: words inside articles
# in other forms than the one asked for.
set(articles tests/data/search/articles.dict)
set(tab "\t")

# Sakha: a possessive case form finds the word and its case form inside
# articles; a plural case form in real letters finds the plural (a word of
# its own) and the singular.
sahdict_tool_check(NAME search_sakha_form ARGS search ${articles} дьиэбэр EXPECT_FILE tests/data/search/search-home.out)
sahdict_tool_check(NAME search_sakha_letters ARGS search ${articles} оҕолорго
  EXPECT_FILE tests/data/search/search-child.out)
# Case folded, spaces around ignored; the hit keeps its place inside brackets.
sahdict_tool_check(NAME search_case ARGS search ${articles} ЖИЛИЩЕ
  EXPECT "^2${tab}RUS-SAH${tab}дом${tab}дьиэ \\(\\[жилище\\]\\)\n$")
sahdict_tool_check(NAME search_spaces ARGS search ${articles} " уоту " EXPECT "^5${tab}RUS-SAH${tab}огонь${tab}\\[уот\\]\n$")
# Nothing found, no letters: exit 1, no lines.
sahdict_tool_check(NAME search_none ARGS search ${articles} снег EXIT 1)
sahdict_tool_check(NAME search_no_letters ARGS search ${articles} ... EXIT 1)
sahdict_tool_check(NAME search_usage ARGS search ${articles} EXIT 2)
sahdict_tool_check(NAME search_unreadable ARGS search tests/data/search/no-such.dict дом EXIT 2)

# Russian forms through their stems, where the spelling dictionary is there.
get_target_property(search_defs sahdict_search INTERFACE_COMPILE_DEFINITIONS)
if("SAHDICT_HAVE_HUNSPELL" IN_LIST search_defs AND EXISTS "${SAHDICT_RUSSIAN_DICTIONARY}.dic")
  sahdict_tool_check(NAME search_russian_form ARGS search ${articles} книгой EXPECT_FILE tests/data/search/search-book.out)
endif()
