#pragma once
// What the lookup window's suggestion line offers for the text in the search
// box: the exact place when a word begins with the text, otherwise
// alternatives — the same text with case, "ё" and stress marks folded, a word
// of which the text is an inflected form, and words a letter or two away.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/dict/DictStore.h"

namespace sahdict {
namespace morph {
class SakhaMorphology;
}

struct SuggestIndex;

enum class SuggestKind {
  Exact,    // an entry begins with the text: the search's own position
  Folded,   // the first entry that begins with the text once both are folded (FoldSearchText);
            // for a Sakha source that finds none, also with "O"/"Y" read as о/у
  Form,     // the text is an inflected form of the entry's word
  Similar,  // the entry's word is within a small edit distance of the text
  OtherPair,  // another pair of the store has the text as a word (Pair names it)
};

// How a form was recognised.
enum class FormSource {
  None,
  Analysis,  // an analysis of the Sakha morphology model (Description names it)
  Stem,      // a Russian stem that the spelling dictionary gives (RussianStems)
};

struct Alternative {
  SuggestKind Kind = SuggestKind::Exact;
  int32_t Position = 0;                  // 1-based within the pair: GetEntry(Position, pair)
  std::u16string Word;                   // that entry's Word
  FormSource Source = FormSource::None;  // Form only
  std::u16string Description;            // Form by Analysis: e.g. "наст. вр., 1 л. ед. ч." 
  int32_t Distance = 0;                  // Similar only: edit distance in letters
  std::u16string Pair;                   // OtherPair only: the pair of Position and Word
};

// The most alternatives one text gets.
constexpr size_t kMaxAlternatives = 8;

// Finds the alternatives for one store. It keeps per-pair tables, built on the
// first text that needs them and rebuilt after the store changes (it compares
// the store's ChangeStamp), so one Suggester may serve any number of stores
// and pairs in turn. Not for use from two threads at once.
class Suggester {
 public:
  Suggester();
  ~Suggester();
  Suggester(const Suggester&) = delete;
  Suggester& operator=(const Suggester&) = delete;

  // The suggestion line for `boxText` as the search box holds it (for a Sakha
  // source in its canonical form), best first, at most kMaxAlternatives.
  // `position` is the search's own: FindFirstEntry(boxText, pair).
  // - one Exact alternative at `position` when that entry's Word begins with
  //   the text; nothing else when its word (WordBase) is the text itself,
  //   otherwise the Form alternatives follow it (a form may begin another
  //   word's spelling);
  // - otherwise Folded, then Form, then Similar alternatives, each position
  //   once (the first kind that finds it keeps it);
  // - empty when nothing is found.
  // A word that several entries stand for (derived entries are written
  // word + " (" + headword + ")") is offered once, at the first of them; the
  // others follow it in the list.
  // With `otherPairs`, OtherPair alternatives come first: a word of another
  // pair of the store that is the text itself (in that pair's spelling), once
  // per word, in the order of the store's pairs.
  // Forms: for a Sakha source the analyses of the morphology model, best
  // first (the word itself, fewer suffixes, a part of speech that fits); for
  // a Russian source ("RUS", "RSE") the stems the spelling dictionary gives,
  // when it is installed. Similar words: texts of 4
  // to 6 letters allow distance 1, longer texts 2, shorter texts none; letters
  // are counted in the code form for a Sakha source (ToCodeNotation: "дь",
  // "нь", "н'", a long vowel are one letter each). Nearest first, then in list order.
  std::vector<Alternative> Suggest(const DictStore& store, const std::u16string& pair, const std::u16string& boxText,
                                   int32_t position, bool otherPairs = false);

  // Builds the pair's tables now (and, for a Russian source, loads the
  // spelling dictionary), so that no later keystroke waits for them: some
  // tens of milliseconds for a pair of 70,000 entries.
  void Prepare(const DictStore& store, const std::u16string& pair);

 private:
  const SuggestIndex& IndexFor(const DictStore& store, const std::u16string& pair);
  const morph::SakhaMorphology& MorphologyOf(const DictStore& store);

  uint64_t stamp_ = 0;
  const DictStore* morphStore_ = nullptr;
  std::unique_ptr<morph::SakhaMorphology> morph_;
  std::unordered_map<std::u16string, std::unique_ptr<SuggestIndex>> indexes_;
};

// "exact", "folded", "form", "similar" or "other".
std::u16string SuggestKindName(SuggestKind kind);

// The detail of an alternative as the tool writes it: the description of a
// Sakha analysis, "stem", the distance for a similar word, the pair for a word
// of another pair, "" for the others.
std::u16string AlternativeDetail(const Alternative& alternative);

}  // namespace sahdict
