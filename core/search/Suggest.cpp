#include "core/search/Suggest.h"

#include <algorithm>
#include <bit>
#include <tuple>

#include "core/morph/SakhaMorphology.h"
#include "core/search/EditDistance.h"
#include "core/search/RussianStems.h"
#include "core/search/SearchText.h"
#include "core/search/SuggestIndex.h"
#include "core/text/mdlCommon.h"
#include "core/text/mdlSah.h"

namespace sahdict {

namespace {

// Gathers alternatives up to the limit, each position once.
class Collector {
 public:
  Collector(const DictStore& store, const std::u16string& pair, std::vector<Alternative>& out)
      : store_(store), pair_(pair), out_(out) {}

  bool Full() const { return out_.size() >= kMaxAlternatives; }
  size_t Count() const { return out_.size(); }

  void Add(Alternative a) {
    if (Full()) return;
    for (const Alternative& had : out_)
      if (had.Position == a.Position && had.Pair == a.Pair) return;
    a.Word = store_.GetEntry(a.Position, a.Pair.empty() ? pair_ : a.Pair).Word;
    out_.push_back(std::move(a));
  }

  bool HasWord(const std::u16string& word) const {
    return std::any_of(out_.begin(), out_.end(), [&](const Alternative& a) { return WordBase(a.Word) == word; });
  }

 private:
  const DictStore& store_;
  const std::u16string& pair_;
  std::vector<Alternative>& out_;
};

// A word is offered once, at the first of the entries that stand for it; the
// others follow it in the list.
void AddBase(const SuggestIndex::Base& base, Alternative a, Collector& found) {
  a.Position = base.first;
  found.Add(std::move(a));
}

// The first entry that begins with the folded text once folded: either one
// whose Word folding leaves as it is, found by the store's own search, or one
// of the few that folding changes.
void AddFolded(const DictStore& store, const std::u16string& pair, const SuggestIndex& index,
               const std::u16string& folded, Collector& found) {
  int32_t first = store.FindFirstEntry(folded, pair);
  if (first > 0 && !StartsWith(store.GetEntry(first, pair).Word, folded)) first = 0;
  for (const SuggestIndex::Folded& f : index.folded) {
    if (first > 0 && f.position >= first) break;
    if (StartsWith(f.key, folded)) first = f.position;
  }
  if (first > 0) found.Add({SuggestKind::Folded, first, {}, FormSource::None, {}, 0, {}});
}

// Caps Lock and capitals at a word's start: where reading "O" and "Y" (typed
// "О", "У") as ө and ү finds no word, read them as о and у.
void AddFoldedPlainVowels(const DictStore& store, const std::u16string& pair, const SuggestIndex& index,
                          const std::u16string& folded, Collector& found) {
  if (!index.sakha || found.Count() > 0) return;
  std::u16string plain = folded;
  std::replace(plain.begin(), plain.end(), u'O', u'о');
  std::replace(plain.begin(), plain.end(), u'Y', u'у');
  if (plain != folded) AddFolded(store, pair, index, plain, found);
}

// The text as a word of another pair, spelled as that pair's source spells
// it: the first entry whose word it is, once per word (the Russian and the
// extended Russian index share most words).
void AddOtherPairs(const DictStore& store, const std::u16string& pair, const std::u16string& text,
                   Collector& found) {
  if (text.empty()) return;
  for (const std::u16string& other : store.GetPairs()) {
    if (other == pair) continue;
    std::u16string word = text;
    if (IsSakhaSource(other)) TypedSakhaToNotation(word);
    const int32_t first = store.FindFirstEntry(word, other);
    if (first == 0 || WordBase(store.GetEntry(first, other).Word) != word || found.HasWord(word)) continue;
    found.Add({SuggestKind::OtherPair, first, {}, FormSource::None, {}, 0, other});
  }
}

int32_t FirstEntryOfWord(const DictStore& store, const std::u16string& pair, const SuggestIndex& index,
                         const std::u16string& stem);

// The analyses of the morphology model, best first, each lemma at the first
// entry of its word.
void AddSakhaForms(const DictStore& store, const std::u16string& pair, const SuggestIndex& index,
                   const morph::SakhaMorphology& model, const std::u16string& text, Collector& found) {
  for (morph::Analysis& a : model.Analyze(text, kMaxAlternatives * 4)) {
    if (found.Full()) break;
    if (a.Morphemes.size() <= 1 && a.Lemma == text) continue;  // the word itself is no form of it
    // The model's positions are those of SAH-RUS; another Sakha pair finds the word its own way.
    const int32_t first = pair == u"SAH-RUS" ? a.Position : FirstEntryOfWord(store, pair, index, WordBase(a.Word));
    if (first > 0) found.Add({SuggestKind::Form, first, {}, FormSource::Analysis, std::move(a.Description), 0, {}});
  }
}

// The first entry whose word is `stem`: the Word itself or the Word of a
// derived entry, stem + " (" + headword + ")", folded; 0 when there is none.
int32_t FirstEntryOfWord(const DictStore& store, const std::u16string& pair, const SuggestIndex& index,
                         const std::u16string& stem) {
  int32_t first = store.FindFirstEntry(stem, pair);
  if (first > 0 && WordBase(store.GetEntry(first, pair).Word) != stem) first = 0;
  for (const SuggestIndex::Folded& f : index.folded) {
    if (first > 0 && f.position >= first) break;
    if (StartsWith(f.key, stem) && WordBase(f.key) == stem) first = f.position;
  }
  return first;
}

void AddRussianForms(const DictStore& store, const std::u16string& pair, const SuggestIndex& index,
                     const std::u16string& text, const std::u16string& folded, Collector& found) {
  std::vector<std::u16string> stems = RussianStems(text);
  if (text != folded)
    for (std::u16string& stem : RussianStems(folded)) stems.push_back(std::move(stem));
  for (const std::u16string& stem : stems) {
    const std::u16string key = FoldSearchText(stem, false);
    if (key == folded) continue;
    const int32_t first = FirstEntryOfWord(store, pair, index, key);
    if (first > 0) found.Add({SuggestKind::Form, first, {}, FormSource::Stem, {}, 0, {}});
  }
}

void AddSimilar(const SuggestIndex& index, const std::u16string& folded, Collector& found) {
  std::u16string code = folded;
  if (index.sakha) ToCodeNotation(code);
  const auto length = static_cast<int32_t>(code.size());
  const int32_t limit = length >= 7 ? 2 : length >= 4 ? 1 : 0;
  if (limit == 0) return;
  const uint64_t letters = LetterBits(code);
  struct Near {
    int32_t distance;
    int32_t base;
  };
  std::vector<Near> near;
  const auto lengths = static_cast<int32_t>(index.basesByLength.size());
  for (int32_t l = std::max(0, length - limit); l <= std::min(lengths - 1, length + limit); ++l) {
    for (int32_t id : index.basesByLength[static_cast<size_t>(l)]) {
      const SuggestIndex::Base& base = index.bases[static_cast<size_t>(id)];
      // Each letter one key has and the other lacks needs an edit of its own.
      if (std::popcount(letters & ~base.letters) > limit || std::popcount(base.letters & ~letters) > limit) continue;
      const int32_t d = BoundedEditDistance(code, index.Key(base), limit);
      if (d > 0 && d <= limit) near.push_back({d, id});
    }
  }
  // Nearest first, then in list order (bases are in list order).
  std::sort(near.begin(), near.end(),
            [](const Near& a, const Near& b) { return std::tie(a.distance, a.base) < std::tie(b.distance, b.base); });
  for (const Near& n : near) {
    if (found.Full()) break;
    AddBase(index.bases[static_cast<size_t>(n.base)], {SuggestKind::Similar, 0, {}, FormSource::None, {}, n.distance, {}},
            found);
  }
}

}  // namespace

Suggester::Suggester() = default;
Suggester::~Suggester() = default;

const SuggestIndex& Suggester::IndexFor(const DictStore& store, const std::u16string& pair) {
  if (store.ChangeStamp() != stamp_) {
    indexes_.clear();
    stamp_ = store.ChangeStamp();
  }
  auto& index = indexes_[pair];
  if (!index) index = std::make_unique<SuggestIndex>(BuildSuggestIndex(store, pair));
  return *index;
}

const morph::SakhaMorphology& Suggester::MorphologyOf(const DictStore& store) {
  // The model follows the store's changes itself; a store of its own needs a model of its own.
  if (!morph_ || morphStore_ != &store) {
    morph_ = std::make_unique<morph::SakhaMorphology>(store);
    morphStore_ = &store;
  }
  return *morph_;
}

void Suggester::Prepare(const DictStore& store, const std::u16string& pair) {
  // Loads the spelling dictionary, or builds the model's tables.
  if (IndexFor(store, pair).sakha) {
    MorphologyOf(store).LexiconSize();
  } else {
    RussianStemsAvailable();
  }
}

std::vector<Alternative> Suggester::Suggest(const DictStore& store, const std::u16string& pair,
                                            const std::u16string& boxText, int32_t position, bool otherPairs) {
  std::vector<Alternative> out;
  // A text that begins a longer word keeps the search's place and is offered
  // only as a form of another word; the whole word itself needs nothing.
  bool beginsWord = false;
  if (position > 0) {
    DictEntry entry = store.GetEntry(position, pair);
    if (StartsWith(entry.Word, boxText)) {
      out.push_back({SuggestKind::Exact, position, std::move(entry.Word), FormSource::None, {}, 0, {}});
      if (WordBase(out.back().Word) == boxText) return out;
      beginsWord = true;
    }
  }
  const SuggestIndex& index = IndexFor(store, pair);
  const std::u16string folded = FoldSearchText(boxText, index.sakha);
  Collector found(store, pair, out);
  // The kinds in the order the line offers them.
  if (otherPairs && !beginsWord) AddOtherPairs(store, pair, boxText, found);
  if (!beginsWord) {
    AddFolded(store, pair, index, folded, found);
    AddFoldedPlainVowels(store, pair, index, folded, found);
  }
  if (index.sakha)
    AddSakhaForms(store, pair, index, MorphologyOf(store), folded, found);
  else
    AddRussianForms(store, pair, index, boxText, folded, found);
  if (!beginsWord) AddSimilar(index, folded, found);
  return out;
}

std::u16string SuggestKindName(SuggestKind kind) {
  switch (kind) {
    case SuggestKind::Exact:
      return u"exact";
    case SuggestKind::Folded:
      return u"folded";
    case SuggestKind::Form:
      return u"form";
    case SuggestKind::Similar:
      return u"similar";
    case SuggestKind::OtherPair:
      return u"other";
  }
  return {};
}

std::u16string AlternativeDetail(const Alternative& a) {
  auto number = [](int32_t n) { return FromUtf8(std::to_string(n)); };
  switch (a.Kind) {
    case SuggestKind::Form:
      return a.Source == FormSource::Analysis ? a.Description : a.Source == FormSource::Stem ? u"stem" : u"";
    case SuggestKind::Similar:
      return number(a.Distance);
    case SuggestKind::OtherPair:
      return a.Pair;
    default:
      return {};
  }
}

}  // namespace sahdict
