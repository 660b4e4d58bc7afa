#pragma once
// The Sakha morphology model over a dictionary's Sakha words (the entries of
// SAH-RUS): one description of suffixes and sound rules, used both ways.
//
// - Analyze: a word form, in the notation or in real letters, gives every way
//   it is a form of a dictionary word, best first: the word itself, then
//   fewer suffixes, then a reading the word's grammar label backs, then
//   common suffixes before rare ones, a stem as listed before a changed one,
//   and the longer lemma.
// - Generate: a word and the features of a form (a description as Paradigm
//   names it, e.g. "наст. вр., 1 л. ед. ч.") give the form.
// - Paradigm: a noun's or a verb's table of forms; GenerateAll: its forms.
// - NounForm: a noun form by number x possessor x case, the grid of the
//   word-forms window.
//
// The lexicon is read from the store at the first call after the store
// changed (its ChangeStamp), so a model may live as long as the store. The
// grammar label of an article's Note (гл., сущ., прил., нареч., числ., мест.,
// межд. ...) ranks the readings: one its labels back comes before one they do
// not (a label names one meaning of a word, not all), and a word without a
// label backs none. Paradigm lists the tables its labels name (both for a
// word without a label). Forms are returned in the canonical notation. One
// thread at a time.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace sahdict {
class DictStore;
}

namespace sahdict::morph {

enum class WordClass : uint8_t { Noun, Adjective, Numeral, Pronoun, Verb, Adverb, Interjection, Other };

// The label's short Russian name: "сущ.", "прил.", "числ.", "мест.", "гл.",
// "нареч.", "межд.", "проч.".
std::u16string_view WordClassName(WordClass c);

struct Morpheme {
  std::u16string Surface;  // as it stands in the form (notation)
  std::u16string Name;     // its grammatical name; empty for the stem
};

struct Analysis {
  int32_t Position = 0;  // 1-based position in SAH-RUS of the lemma's entry
  std::u16string Word;   // that entry's Word
  std::u16string Lemma;  // the dictionary word (notation)
  WordClass Class = WordClass::Other;
  std::vector<Morpheme> Morphemes;  // the stem first, then the suffixes that sound
  std::u16string Description;       // e.g. "наст. вр., 1 л. ед. ч."; "нач. форма" for the word itself

  // The stem and suffixes joined by "+".
  std::u16string Segmentation() const;
};

struct ParadigmRow {
  std::u16string Features;  // the description, as Analyze gives it
  std::u16string Form;      // notation
};

class SakhaMorphology {
 public:
  explicit SakhaMorphology(const DictStore& store);
  ~SakhaMorphology();
  SakhaMorphology(const SakhaMorphology&) = delete;
  SakhaMorphology& operator=(const SakhaMorphology&) = delete;

  // Every analysis of `form` against the store's Sakha words, best first
  // (at most `limit`, and at most 64); for a hyphenated form that has none,
  // those of its first part. Empty when none; never throws on any text.
  std::vector<Analysis> Analyze(std::u16string_view form, size_t limit = 64) const;

  // The form of `word` (any Sakha word, notation or real letters) with the
  // features Paradigm names; empty when no noun or verb form has them.
  std::u16string Generate(std::u16string_view word, std::u16string_view features) const;

  // The forms of a noun (also adjective, numeral, pronoun) and of a verb of
  // the store: both tables for a word of both classes, none for a word that
  // is not a Sakha word of the store or is neither.
  std::vector<ParadigmRow> Paradigm(std::u16string_view word) const;

  // Every distinct form of Paradigm(word), sorted.
  std::vector<std::u16string> GenerateAll(std::u16string_view word) const;

  // Calls `each` with every form of Paradigm(word) in real letters, in no set
  // order and a form perhaps more than once: the quick way through all the
  // forms of many words (the suffix tree is walked once per word).
  void VisitForms(std::u16string_view word, const std::function<void(std::u16string_view)>& each) const;

  // The noun form of `word` for number 1..2, possessor 0..6 and case 1..8 in
  // the order of the word-forms window (nominative, partitive, dative,
  // accusative, ablative, instrumental, comitative, comparative). Empty for
  // numbers out of range and for the partitive with a possessor.
  std::u16string NounForm(std::u16string_view word, int32_t number, int32_t person, int32_t nounCase) const;

  // The noun features that NounForm uses, for Generate and Paradigm rows.
  static std::u16string NounFeatures(int32_t number, int32_t person, int32_t nounCase);

  // How many Sakha words the lexicon holds (builds it).
  size_t LexiconSize() const;

 private:
  struct Tables;
  const Tables& Current() const;
  std::vector<Analysis> AnalyzeWhole(std::u16string_view form, size_t limit) const;

  const DictStore& store_;
  mutable std::unique_ptr<Tables> tables_;
  mutable uint64_t stamp_ = 0;
};

}  // namespace sahdict::morph
