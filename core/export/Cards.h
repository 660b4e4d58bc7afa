#pragma once
// Flash cards of chosen words: a UTF-8 table of word, translation and first
// example, one card a line, that spreadsheets read and a flash-card program
// imports into its basic two-sided cards as it stands.

#include <string>
#include <utility>
#include <vector>

#include "core/dict/DictEntry.h"

namespace sahdict::exporting {

// One word to make a card of: the entry's Word and pair, and its entry.
struct CardWord {
  std::u16string word;
  std::u16string pair;
  DictEntry entry;
};

// The cards as the file's bytes: two header lines for the importer
// ("#separator:tab", "#html:false"), then per word its word (Sakha with real
// letters), its translations and remarks, and its first example as "Russian —
// Sakha", separated by tabs. A field holding a quote is quoted; tabs and line
// ends inside a field become spaces.
std::string CardsTsv(const std::vector<CardWord>& words);

}  // namespace sahdict::exporting
