# sahdict-tool analyze, gloss and paradigm on tests/data/morph/morph.dict: a
# few nouns and verbs of each stem shape, an adverb and a word with no label.
set(morph tests/data/morph)

# Real letters and notation; seam changes, contraction, elision, passive,
# the predicate of a word with no label; a Russian word has none (exit 1).
sahdict_tool_check(NAME analyze_forms ARGS analyze ${morph}/morph.dict - INPUT ${morph}/analyze-input.txt
  EXIT 1 EXPECT_FILE ${morph}/analyze.out)
sahdict_tool_check(NAME analyze_one ARGS analyze ${morph}/morph.dict оҕоттон
  EXPECT "^9\tо5о \\(ребёнок\\)\tсущ.\tо5о\\+ттон\tисх. п.\n--\n$")
sahdict_tool_check(NAME analyze_usage ARGS analyze ${morph}/morph.dict EXIT 2)
# Words, hyphenated words whole, capitals, Russian words exact and through their stems.
sahdict_tool_check(NAME gloss_text ARGS gloss ${morph}/morph.dict ${morph}/gloss-input.txt
  EXPECT_FILE ${morph}/gloss.out)
sahdict_tool_check(NAME gloss_stdin ARGS gloss ${morph}/morph.dict - INPUT ${morph}/gloss-input.txt
  EXPECT_FILE ${morph}/gloss.out)
sahdict_tool_check(NAME gloss_unreadable ARGS gloss ${morph}/morph.dict ${morph}/no-such-text.txt EXIT 2)
sahdict_tool_check(NAME paradigm_noun ARGS paradigm ${morph}/morph.dict оҕо EXPECT_FILE ${morph}/paradigm-noun.out)
sahdict_tool_check(NAME paradigm_verb ARGS paradigm ${morph}/morph.dict аhаа EXPECT_FILE ${morph}/paradigm-verb.out)
# An adverb, and a word that is not in the dictionary, have no tables.
sahdict_tool_check(NAME paradigm_adverb ARGS paradigm ${morph}/morph.dict Yчэр EXIT 1 EXPECT "^$")
sahdict_tool_check(NAME paradigm_unknown ARGS paradigm ${morph}/morph.dict дьиэлэр EXIT 1 EXPECT "^$")
