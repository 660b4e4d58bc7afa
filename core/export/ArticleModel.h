#pragma once
// The dictionary as other programs need it: articles grouped under one
// headword per language pair, and the structure of an article's text
// (translations, remarks, examples) taken apart once for every format.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/dict/DictStore.h"

namespace sahdict::exporting {

// What one piece of an article's text is.
enum class BlockKind {
  Translation,  // the translations themselves, and Sakha words in parentheses
  Remark,       // a Russian explanation in parentheses, parentheses included
  Example,      // a phrase holding Russian and Sakha words together
};

struct Block {
  BlockKind Kind = BlockKind::Translation;
  std::u16string Text;     // plain text: markers dropped, Sakha words as chosen
  std::u16string Russian;  // Example only: its Russian words
  std::u16string Sakha;    // Example only: its Sakha words
  bool NewLine = false;    // a ";" ended the line before this block
};

// The translation taken apart the way the article page reads it: ","
// and ";" stand apart, a word beginning with "(" opens a remark that the first
// word holding ")" closes, a "." starts a Sakha word, "*" marks an ending.
// Sakha words are shown with real letters unless `notation` is set.
std::vector<Block> ParseTranslation(std::u16string_view translation, bool notation);

// One article of the source dictionary as an export carries it.
// Its texts are the store's (or the caller's), and live as long as they do.
struct Sense {
  std::u16string_view HeadWord;                      // the article's headword (Russian)
  std::u16string_view Note;                          // its grammar label
  std::shared_ptr<const std::vector<Block>> Blocks;  // shared by the senses of one article
  std::u16string_view Source;                        // the article text
};

// Everything one headword of a pair stands for.
struct HeadArticle {
  std::u16string Word;           // the headword shown and indexed
  std::u16string SourceWord;     // the same in the store's notation (for word forms)
  std::vector<Sense> Senses;     // in the store's order, each article once
  std::vector<size_t> SenseIds;  // CollectArticles only: the places of Senses in PairArticles::Senses
};

// Translations already taken apart, by the place of their text in one store
// (each text is kept there once), for CollectArticles over several pairs in
// one spelling.
struct ParsedTexts {
  std::unordered_map<const char16_t*, std::shared_ptr<const std::vector<Block>>> blocks;
  std::unordered_map<std::u16string, std::u16string> letters;  // Sakha words with real letters
};

// One pair's dictionary: its headwords, and every article of the store once.
struct PairArticles {
  std::vector<HeadArticle> Headwords;
  std::vector<Sense> Senses;  // in the order of their first headword
};

// The articles of `pair` grouped by the word of their entries (the Word up to
// " (" for entries derived from an article), in the store's order. For a
// Sakha source the headword gets real letters unless `notation` is set.
// `parsed` keeps the translations taken apart for the next pair of the same
// store, in the same spelling.
PairArticles CollectArticles(const DictStore& store, const std::u16string& pair, bool notation, ParsedTexts& parsed);

// Adds the entry's article to `article` unless it is there already.
void AddSense(HeadArticle& article, const EntryView& entry, bool notation);

// The word an entry is listed under: its Word up to the first " (" (a view
// into the entry's texts).
std::u16string_view EntryWordPart(const EntryView& entry);

// The plain text of one sense without heading, as lines: the translations and
// remarks of a line joined, each example a line of its own starting with
// `exampleIndent`. Lines are not wrapped.
std::vector<std::u16string> SenseLines(const Sense& sense, std::u16string_view exampleIndent);

// The example as one line: its Russian words, " — ", its Sakha words (or its
// text when it has only one of them in order).
std::u16string ExampleLine(const Block& example);

// The sense heading: "HeadWord (Note)", or the headword alone without a note.
std::u16string SenseHeading(const Sense& sense);

// True when the article is one sense under its own headword (then the
// formats show the note alone, not the sense's heading).
bool SingleSense(const HeadArticle& article);

// The whole article as plain lines: for one sense whose headword is the
// article's, "Word (Note): translations" then the other lines; otherwise
// "Word:" then each sense as "  heading: translations" with its lines
// (`withWord` false: no "Word:" line, and the senses not indented).
// Examples are indented by four spaces more than their sense.
std::vector<std::u16string> ArticleLines(const HeadArticle& article, bool withWord = true);

// Lines wrapped at `width` characters: a line too long breaks at its last
// space before the limit; a continuation keeps the line's indentation plus two.
std::vector<std::u16string> WrapLines(const std::vector<std::u16string>& lines, size_t width);

}  // namespace sahdict::exporting
