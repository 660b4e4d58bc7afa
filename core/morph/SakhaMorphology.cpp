#include "core/morph/SakhaMorphology.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>
#include <utility>

#include "core/dict/DictStore.h"
#include "core/morph/SakhaSounds.h"
#include "core/morph/SakhaSuffixes.h"
#include "core/text/mdlSah.h"

namespace sahdict::morph {

namespace {

// A form built in real letters, in the canonical notation.
std::u16string Notation(std::u16string_view letters) {
  std::u16string text(letters);
  return RealLettersToNotation(text);
}

constexpr char16_t kSakhaPair[] = u"SAH-RUS";
constexpr std::u16string_view kBaseForm = u"нач. форма";
constexpr std::u16string_view kNominative = u"им. п.";
constexpr std::u16string_view kImperative = u"повел. накл., 2 л. ед. ч.";

// Bits of the word classes a word's labels give it.
constexpr uint8_t Bit(WordClass c) { return static_cast<uint8_t>(1u << static_cast<unsigned>(c)); }
constexpr uint8_t kNounLike =
    Bit(WordClass::Noun) | Bit(WordClass::Adjective) | Bit(WordClass::Numeral) | Bit(WordClass::Pronoun);
constexpr uint8_t kVerbBit = Bit(WordClass::Verb);
constexpr uint8_t kAnyClass = 0xFF;

// The limits that keep any text, however long or odd, quick to analyse.
constexpr size_t kMaxFormLength = 96;
constexpr int kMaxSteps = 60000;
constexpr size_t kMaxDepth = 12;
constexpr size_t kMaxAnalyses = 64;

// Stems that the grammars list as exceptions to the rules: the verb сырыт
// (сылдьар, сылдьыбыт), the plurals кыргыттар and уолаттар, which then
// inflect as plurals, and the dative киһиэхэ.
struct IrregularStem {
  std::u16string_view word, stem;
  Slot slot;                 // where the stem stands; End: a whole form
  std::u16string_view name;  // what the stem itself carries
  bool cluster;              // ends in two consonants
};
constexpr IrregularStem kIrregularStems[] = {
    {u"сырыт", u"сылдь", Slot::VerbStem, u"", true},
    {u"кыыс", u"кыргыттар", Slot::NounPlural, u"мн. ч.", false},
    {u"уол", u"уолаттар", Slot::NounPlural, u"мн. ч.", false},
    {u"киһи", u"киһиэхэ", Slot::End, u"дат.-мест. п.", false},
};

const IrregularStem* FindIrregular(std::u16string_view word) {
  for (const IrregularStem& i : kIrregularStems) {
    if (i.word == word) return &i;
  }
  return nullptr;
}

// The classes a Note's grammar label names; kAnyClass when it names none.
uint8_t ClassesOfLabel(std::u16string_view note) {
  struct Label {
    std::u16string_view text;
    WordClass cls;
  };
  static constexpr Label kLabels[] = {
      {u"сущ", WordClass::Noun},          {u"прил", WordClass::Adjective}, {u"числ", WordClass::Numeral},
      {u"мест", WordClass::Pronoun},      {u"гл", WordClass::Verb},        {u"нареч", WordClass::Adverb},
      {u"межд", WordClass::Interjection}, {u"прич", WordClass::Adjective}, {u"союз", WordClass::Other},
      {u"част", WordClass::Other},        {u"посл", WordClass::Other},     {u"предл", WordClass::Other},
  };
  while (!note.empty() && (note.front() == u'(' || note.front() == u' ')) note.remove_prefix(1);
  uint8_t found = 0;
  for (const Label& l : kLabels) {
    if (note.substr(0, l.text.size()) == l.text) found |= Bit(l.cls);
  }
  return found == 0 ? kAnyClass : found;
}

// Cyrillic capitals to lower case, for matching typed text with listed words.
void LowerCyrillic(std::u16string& s) {
  for (char16_t& c : s) {
    if (c >= u'А' && c <= u'Я')
      c = static_cast<char16_t>(c + 0x20);
    else if (c == u'Ё')
      c = u'ё';
  }
}

uint64_t HashStep(uint64_t h, char16_t c) { return (h ^ c) * 1099511628211ull; }
constexpr uint64_t kHashStart = 14695981039346656037ull;

uint64_t Hash(std::u16string_view s) {
  uint64_t h = kHashStart;
  for (const char16_t c : s) h = HashStep(h, c);
  return h;
}

// Suffixes that real texts use seldom: an analysis through them yields to
// one with as many suffixes through common ones (оҕото is "his child" before
// it is "some child").
bool IsRare(std::u16string_view name) {
  static constexpr std::u16string_view kRare[] = {
      u"парт. п.",
      u"сравн. п.",
      u"прич. (-тах)",
      u"желат. накл.",
      u"отдал. прош. вр.",
      u"глаг. (-ый)",
      u"прил. (-таҕа)",
      u"деепр. (-бычча)",
      u"усл. накл.",
      u"понуд. залог",
      u"страд. залог",
      u"возвр. залог",
      u"взаимн. залог",
      u"обычн. прош. вр.",
      u"прич. (-быттаах)",
      u"буд. повел. накл., 2 л. ед. ч.",
      u"прич. буд. вр., отр.",
      u"деепр. (-аат)",
      u"деепр. (-а)",
  };
  return std::find(std::begin(kRare), std::end(kRare), name) != std::end(kRare);
}

std::u16string JoinNames(const std::vector<std::u16string_view>& names) {
  std::u16string out;
  for (const auto& n : names) {
    if (n.empty()) continue;
    if (!out.empty()) out += u", ";
    out += n;
  }
  return out;
}

// One path of the suffix table from a stem: a row of the paradigm.
struct Path {
  Slot start;
  std::vector<uint16_t> nodes;
  std::u16string features;
};

// Every row of the noun and the verb paradigm, in table order: runs that end,
// or that lead to a participle or derived noun, but not into voice or a
// derived verb; the plural's own rows follow its nominative.
const std::vector<Path>& Paths() {
  static const std::vector<Path> paths = [] {
    std::vector<Path> out;
    const SuffixTable& t = SuffixTable::Get();
    std::vector<uint16_t> nodes;
    std::vector<std::u16string_view> names;
    auto walk = [&](auto&& self, Slot start, uint16_t id) -> void {
      const SuffixNode& n = t.Node(id);
      nodes.push_back(id);
      names.push_back(n.suffix.name);
      if (n.leadsTo == Slot::End || n.leadsTo == Slot::NounDerived || n.leadsTo == Slot::NounPlural) {
        out.push_back(Path{start, nodes, JoinNames(names)});
      }
      for (const uint16_t c : n.next) self(self, start, c);
      nodes.pop_back();
      names.pop_back();
    };
    for (const Slot start : {Slot::NounStem, Slot::VerbStem}) {
      uint16_t plural = 0;
      for (const uint16_t r : t.Roots(start)) {
        if (t.Node(r).leadsTo == Slot::NounPlural) {
          plural = r;
          continue;
        }
        walk(walk, start, r);
      }
      // The plural's rows after the singular's.
      if (start != Slot::NounStem) continue;
      nodes = {plural};
      names = {t.Node(plural).suffix.name};
      out.push_back(Path{start, nodes, JoinNames(names)});
      for (const uint16_t r : t.Roots(Slot::NounPlural)) walk(walk, start, r);
      nodes.clear();
      names.clear();
    }
    // Rows in the table's order: a tense's persons together, the plural last.
    std::stable_sort(out.begin(), out.end(), [&](const Path& a, const Path& b) {
      if (a.start != b.start) return a.start < b.start;
      const bool pa = t.Node(a.nodes.front()).leadsTo == Slot::NounPlural;
      const bool pb = t.Node(b.nodes.front()).leadsTo == Slot::NounPlural;
      if (pa != pb) return pb;
      return t.Node(a.nodes.back()).order < t.Node(b.nodes.back()).order;
    });
    return out;
  }();
  return paths;
}

// The word with one suffix joined in its regular spelling.
void Join(WordState& word, const Suffix& s) {
  const bool afterVowel = !word.text.empty() && IsVowel(word.text.back());
  size_t from = 0, start = 0;
  JoinSuffix(word, afterVowel ? s.afterVowel : s.afterConsonant, 0, from, start);
}

// The form along `nodes` from `letters`; the word's state is left in `word`.
void Follow(WordState& word, const std::vector<uint16_t>& nodes) {
  const SuffixTable& t = SuffixTable::Get();
  for (const uint16_t id : nodes) Join(word, t.Node(id).suffix);
}

// Calls `each` with every form of Paths() from `stem`, in no set order: the
// suffix tree walked once, each shared beginning of the paths joined once.
template <typename Each>
void ForEachPathForm(const WordState& stem, Slot start, Each&& each) {
  const SuffixTable& t = SuffixTable::Get();
  auto walk = [&](auto&& self, const WordState& from, uint16_t id) -> void {
    const SuffixNode& n = t.Node(id);
    WordState w = from;
    Join(w, n.suffix);
    if (n.leadsTo == Slot::End || n.leadsTo == Slot::NounDerived || n.leadsTo == Slot::NounPlural) each(w.text.view());
    for (const uint16_t c : n.next) self(self, w, c);
  };
  for (const uint16_t r : t.Roots(start)) {
    if (t.Node(r).leadsTo != Slot::NounPlural) {
      walk(walk, stem, r);
    } else if (start == Slot::NounStem) {
      WordState plural = stem;
      Join(plural, t.Node(r).suffix);
      each(plural.text.view());
      for (const uint16_t p : t.Roots(Slot::NounPlural)) walk(walk, plural, p);
    }
  }
}

// Typed text (notation or real letters) as lower-case letters.
std::u16string LettersOf(std::u16string_view typed) {
  std::u16string t(typed);
  TypedSakhaToNotation(t);
  LowerCyrillic(t);
  return NotationToLetters(t);
}

}  // namespace

std::u16string_view WordClassName(WordClass c) {
  static constexpr std::u16string_view kNames[] = {u"сущ.", u"прил.",  u"числ.", u"мест.",
                                                   u"гл.",  u"нареч.", u"межд.", u"проч."};
  return kNames[static_cast<size_t>(c)];
}

std::u16string Analysis::Segmentation() const {
  std::u16string out;
  for (const Morpheme& m : Morphemes) {
    if (m.Surface.empty()) continue;
    if (!out.empty()) out += u'+';
    out += m.Surface;
  }
  return out;
}

struct SakhaMorphology::Tables {
  struct Entry {
    int32_t position;  // 1-based in SAH-RUS
    uint8_t classes;
  };
  struct Lemma {
    std::u16string letters;   // lower case
    std::u16string notation;  // as listed
    uint8_t classes = 0;
    std::vector<Entry> entries;
  };
  std::vector<Lemma> lemmas;
  std::unordered_map<std::u16string, uint32_t> byLetters;
  // (hash of a stem key, lemma id * 4 + the kind of stem: 0 as listed, 1 with
  // its last vowel dropped, 2 an irregular stem), sorted.
  std::vector<std::pair<uint64_t, uint32_t>> keys;
  size_t maxKey = 0;
};

SakhaMorphology::SakhaMorphology(const DictStore& store) : store_(store) {}
SakhaMorphology::~SakhaMorphology() = default;

const SakhaMorphology::Tables& SakhaMorphology::Current() const {
  if (tables_ && stamp_ == store_.ChangeStamp()) return *tables_;
  auto t = std::make_unique<Tables>();
  const std::u16string_view pair = kSakhaPair;
  const int32_t count = store_.GetEntryCount();
  int32_t k = 0;
  for (int32_t n = 1; n <= count; ++n) {
    const EntryView e = store_.EntryAt(n);
    if (e.LangPair != pair) continue;
    ++k;
    std::u16string_view own = e.Word.Own;
    if (!e.Word.CitesHead) own = own.substr(0, own.find(u" ("));
    while (!own.empty() && own.back() == u' ') own.remove_suffix(1);
    if (own.empty()) continue;
    std::u16string letters = NotationToLetters(own);
    LowerCyrillic(letters);
    const uint8_t classes = ClassesOfLabel(e.Note);
    auto [it, added] = t->byLetters.try_emplace(letters, static_cast<uint32_t>(t->lemmas.size()));
    if (added) t->lemmas.push_back(Tables::Lemma{letters, std::u16string(own), 0, {}});
    Tables::Lemma& l = t->lemmas[it->second];
    l.classes |= classes;
    l.entries.push_back({k, classes});
  }
  t->keys.reserve(t->lemmas.size() * 2);
  for (uint32_t id = 0; id < t->lemmas.size(); ++id) {
    const std::u16string& s = t->lemmas[id].letters;
    const size_t n = s.size();
    // The stem keys: all but the last letter (which a seam may change); the
    // stem without a final long vowel (contraction); the stem whose last
    // high vowel dropped; an irregular stem.
    t->keys.emplace_back(Hash(std::u16string_view(s).substr(0, n - 1)), id * 4);
    size_t bare = n;
    while (bare > 0 && n - bare < 2 && IsVowel(s[bare - 1])) --bare;
    if (bare + 1 < n) t->keys.emplace_back(Hash(std::u16string_view(s).substr(0, bare)), id * 4);
    if (HasElidableShape(s)) t->keys.emplace_back(Hash(ElidedStem(s).text.view()), id * 4 + 1);
    if (const IrregularStem* irregular = FindIrregular(s)) {
      t->keys.emplace_back(Hash(irregular->stem), id * 4 + 2);
      t->maxKey = std::max(t->maxKey, irregular->stem.size());
    }
    t->maxKey = std::max(t->maxKey, n);
  }
  std::sort(t->keys.begin(), t->keys.end());
  t->keys.erase(std::unique(t->keys.begin(), t->keys.end()), t->keys.end());
  tables_ = std::move(t);
  stamp_ = store_.ChangeStamp();
  return *tables_;
}

size_t SakhaMorphology::LexiconSize() const { return Current().lemmas.size(); }

namespace {

// One analysis while it is being found: the lemma, the stem's chain and the
// suffixes taken with the positions where they begin.
struct Found {
  uint32_t lemma;
  Slot start;
  std::vector<uint16_t> nodes;
  std::vector<size_t> starts;
  std::u16string_view stemName;  // what an irregular stem carries
};

struct Search {
  std::u16string_view form;
  const SuffixTable& table;
  int steps = 0;
  uint32_t lemma = 0;
  Slot start = Slot::NounStem;
  std::u16string_view stemName;
  std::vector<uint16_t> nodes;
  std::vector<size_t> starts;
  std::vector<Found> found;
  size_t maxSuffixes = SIZE_MAX;  // runs with more suffixes that sound are not followed
  bool bestOnly = false;          // a find lowers maxSuffixes to its own count
  size_t suffixes = 0;

  void Walk(Slot slot, const WordState& word, size_t verified) {
    // An inserted vowel moves where a suffix lands: try them all then.
    if (word.cluster) {
      for (const uint16_t id : table.Roots(slot)) Try(id, word, verified);
      return;
    }
    // A dropping vowel lets a suffix's vowel land one letter earlier.
    if (word.elidable && !word.text.empty() && word.text.size() <= form.size()) {
      const char16_t earlier = form[word.text.size() - 1];
      const bool same = word.text.size() < form.size() && form[word.text.size()] == earlier;
      if (!same) {
        for (const uint16_t id : table.RootsStartingWith(slot, earlier)) Try(id, word, verified);
      }
    }
    if (word.text.size() < form.size()) {
      for (const uint16_t id : table.RootsStartingWith(slot, form[word.text.size()])) Try(id, word, verified);
    }
    for (const uint16_t id : table.RootsStartingAnyhow(slot)) Try(id, word, verified);
  }

  void Try(uint16_t id, const WordState& word, size_t verified) {
    if (++steps > kMaxSteps || nodes.size() >= kMaxDepth || found.size() >= kMaxAnalyses * 2) return;
    const SuffixNode& node = table.Node(id);
    const bool afterVowel = !word.text.empty() && IsVowel(word.text.back());
    const std::u16string_view tmpl = afterVowel ? node.suffix.afterVowel : node.suffix.afterConsonant;
    if (!SuffixMayFit(word, tmpl, form)) return;
    for (int variant = 0; variant < 4; ++variant) {
      if ((variant == 1 || variant == 2) && !HasOtherSpelling(word, tmpl)) continue;
      if (variant == 3 && !word.elidable) break;
      WordState next = word;
      size_t from = 0, suffixStart = 0;
      if (!JoinSuffix(next, tmpl, variant, from, suffixStart)) continue;
      // A later suffix may still change the end of the word: drop a final
      // vowel or two, drop an elidable vowel, or change the last consonant.
      // Only the part before that end must already match the form.
      const size_t len = next.text.size();
      if (len > form.size() + 2) continue;
      from = std::min(from, verified);
      const size_t tail = next.elidable ? 3 : IsVowel(next.text.back()) ? 2 : 1;
      const size_t safe = std::max(from, std::min(len > tail ? len - tail : 0, form.size()));
      const std::u16string_view text = next.text.view();
      if (text.substr(from, safe - from) != form.substr(from, safe - from)) continue;
      const bool sounds = len > suffixStart;
      if (sounds && suffixes + 1 > maxSuffixes) continue;
      suffixes += sounds;
      nodes.push_back(id);
      starts.push_back(suffixStart);
      if (node.leadsTo != Slot::Count) {
        if (len == form.size() && text.substr(from) == form.substr(from)) {
          found.push_back(Found{lemma, start, nodes, starts, stemName});
          if (bestOnly) maxSuffixes = std::min(maxSuffixes, suffixes);
        }
        if (node.leadsTo != Slot::End) Walk(node.leadsTo, next, safe);
      }
      for (const uint16_t c : node.next) Try(c, next, safe);
      nodes.pop_back();
      starts.pop_back();
      suffixes -= sounds;
    }
  }
};

// Whether a form whose letter after the stem key (the word's first `p`
// letters) is `next` may be a form of `word`. When the key is all of the word
// but its last letter, a final consonant stands there as it is or as a seam
// changes it, and a final vowel stays or gives way to a suffix's vowel; a
// contracted stem goes on with a suffix's vowel, an elided one with its
// last consonant.
bool MayFollow(std::u16string_view word, size_t p, char16_t next) {
  if (p + 1 != word.size()) return IsVowel(next);
  const char16_t last = word.back();
  if (IsVowel(last)) return IsVowel(next);
  if (next == last) return true;
  switch (last) {
    case u'к':
      return next == u'г';
    case u'п':
      return next == u'б';
    case u'с':
      return next == u'һ';
    case u'х':
      return next == u'ҕ';
    case u'т':
      return next == u'к' || next == u'п';
    case u'н':
      return next == u'м' || next == u'ҥ';
    case u'р':
      return next == u'л' || next == u'т';
    default:
      return false;
  }
}

}  // namespace

std::vector<Analysis> SakhaMorphology::Analyze(std::u16string_view typed, size_t limit) const {
  limit = std::min(limit, kMaxAnalyses);
  std::vector<Analysis> out = AnalyzeWhole(typed, limit);
  // The notation reads the capitals О and У as ө and ү; text in real letters
  // that begins a sentence means о and у.
  if (out.empty() && typed.find_first_of(u"ОУ") != std::u16string_view::npos) {
    std::u16string lower(typed);
    LowerCyrillic(lower);
    out = AnalyzeWhole(lower, limit);
  }
  // A paired or repeated word (кэрэ-кэрэ, оҕолор-уруулар) not listed whole:
  // its first part, which carries the pair's meaning.
  const size_t hyphen = typed.find(u'-');
  if (out.empty() && hyphen != std::u16string_view::npos && hyphen > 0)
    out = AnalyzeWhole(typed.substr(0, hyphen), limit);
  return out;
}

std::vector<Analysis> SakhaMorphology::AnalyzeWhole(std::u16string_view typed, size_t limit) const {
  std::vector<Analysis> out;
  if (typed.empty() || typed.size() > kMaxFormLength) return out;
  const Tables& t = Current();
  const std::u16string form = LettersOf(typed);
  if (form.empty() || form.size() > kMaxFormLength) return out;

  const auto exact = t.byLetters.find(form);
  Search search{form, SuffixTable::Get(), 0, 0, Slot::NounStem, {}, {}, {}, {}};
  search.bestOnly = limit == 1;
  // The stems whose keys begin the form: lemma * 4 + kind of stem, and the
  // length of the key.
  std::vector<std::pair<uint32_t, size_t>> stems;
  // The word itself comes first: asked for the best only, it is the answer.
  const bool wordItself = limit == 1 && exact != t.byLetters.end();
  uint64_t h = kHashStart;
  const size_t longest = std::min(form.size(), t.maxKey);
  for (size_t p = 0; p <= longest && !wordItself; ++p) {
    if (p > 0) h = HashStep(h, form[p - 1]);
    auto range = std::equal_range(t.keys.begin(), t.keys.end(), std::make_pair(h, 0u),
                                  [](const auto& a, const auto& b) { return a.first < b.first; });
    for (auto it = range.first; it != range.second; ++it) {
      const uint32_t key = it->second;
      const Tables::Lemma& l = t.lemmas[key / 4];
      if (key % 4 == 2 ? form.size() < p : form.size() <= p || (key % 4 == 0 && !MayFollow(l.letters, p, form[p]))) {
        continue;
      }
      if (std::none_of(stems.begin(), stems.end(), [&](const auto& s) { return s.first == key; })) {
        stems.emplace_back(key, p);
      }
    }
  }
  // Every word takes noun and verb suffixes: a label names one meaning of the
  // word, not all (кыыс "girl" is listed as a verb only). The readings its
  // labels back come first; when only the best is asked for, the others are
  // followed only while they have fewer suffixes than the best found so far.
  for (const bool backed : {true, false}) {
    if (!backed && limit == 1 && !search.found.empty()) {
      size_t best = SIZE_MAX;
      for (const Found& f : search.found) {
        size_t n = 0;
        for (size_t j = 0; j < f.starts.size(); ++j)
          n += (j + 1 < f.starts.size() ? f.starts[j + 1] : form.size()) > f.starts[j];
        best = std::min(best, n);
      }
      if (best == 0) break;
      search.maxSuffixes = best - 1;
    }
    for (const auto& [key, p] : stems) {
      const Tables::Lemma& l = t.lemmas[key / 4];
      const uint32_t kind = key % 4;
      search.lemma = key / 4;
      if (kind == 2) {
        const IrregularStem& irregular = *FindIrregular(l.letters);
        const Slot start = irregular.slot == Slot::VerbStem ? Slot::VerbStem : Slot::NounStem;
        const uint8_t need = start == Slot::NounStem ? kNounLike : kVerbBit;
        if (((l.classes & need) != 0 && l.classes != kAnyClass) != backed) continue;
        WordState stem = StartWord(irregular.stem, false);
        stem.cluster = irregular.cluster;
        search.start = start;
        search.stemName = irregular.name;
        // A plural or a case form is a form by itself; a verb stem is not.
        if (irregular.slot != Slot::VerbStem && form == irregular.stem) {
          search.found.push_back(Found{search.lemma, start, {}, {}, irregular.name});
        }
        if (irregular.slot != Slot::End) search.Walk(irregular.slot, stem, p);
        search.stemName = {};
        continue;
      }
      const WordState stem = kind == 1 ? ElidedStem(l.letters) : StartWord(l.letters, false);
      for (const Slot start : {Slot::NounStem, Slot::VerbStem}) {
        const uint8_t need = start == Slot::NounStem ? kNounLike : kVerbBit;
        if (((l.classes & need) != 0 && l.classes != kAnyClass) != backed) continue;
        search.start = start;
        search.Walk(start, stem, p);
      }
    }
  }

  auto entryFor = [&](const Tables::Lemma& l, uint8_t need) {
    for (const auto& e : l.entries) {
      if (e.classes & need) return e;
    }
    return l.entries.front();
  };
  auto classOf = [](uint8_t classes, uint8_t need) {
    const uint8_t both = classes & need;
    for (unsigned b = 0; b < 8; ++b) {
      if (both & (1u << b)) return static_cast<WordClass>(b);
    }
    return need == kVerbBit ? WordClass::Verb : WordClass::Noun;
  };
  // Rank first, on what each analysis costs nothing to tell; spell out only
  // the analyses that are returned.
  struct Ranked {
    int found;  // place in search.found; -1 for the word itself
    uint32_t lemma;
    Tables::Entry entry;
    WordClass cls;
    size_t suffixes = 0;
    bool fits = false;
    size_t rare = 0;
    bool stemChanged = false;
  };
  std::vector<Ranked> ranked;
  if (const auto it = exact; it != t.byLetters.end()) {
    const Tables::Lemma& l = t.lemmas[it->second];
    const auto e = l.entries.front();
    ranked.push_back({-1, it->second, e, classOf(e.classes, kAnyClass), 0, e.classes != kAnyClass, 0, false});
  }
  for (size_t i = 0; i < search.found.size(); ++i) {
    Found& f = search.found[i];
    const Tables::Lemma& l = t.lemmas[f.lemma];
    const uint8_t need = f.start == Slot::NounStem ? kNounLike : kVerbBit;
    Ranked r{static_cast<int>(i), f.lemma, entryFor(l, need), WordClass::Noun};
    r.cls = classOf(r.entry.classes, need);
    for (size_t j = f.starts.size(); j-- > 1;) f.starts[j - 1] = std::min(f.starts[j - 1], f.starts[j]);
    const size_t stemEnd = f.starts.empty() ? form.size() : f.starts[0];
    r.suffixes += f.stemName.empty() ? 0 : 1;
    for (size_t j = 0; j < f.nodes.size(); ++j) {
      const size_t end = j + 1 < f.starts.size() ? f.starts[j + 1] : form.size();
      const std::u16string_view name = search.table.Node(f.nodes[j]).suffix.name;
      if (end > f.starts[j]) ++r.suffixes;
      if (IsRare(name)) ++r.rare;
      // Adjectives and adverbs seldom take a possessor.
      if ((r.cls == WordClass::Adjective || r.cls == WordClass::Adverb) && name.find(u"притяж.") != name.npos) {
        ++r.rare;
      }
    }
    r.fits = (r.entry.classes & need) != 0 && r.entry.classes != kAnyClass;
    r.stemChanged = std::u16string_view(form).substr(0, stemEnd) != l.letters;
    ranked.push_back(r);
  }
  std::stable_sort(ranked.begin(), ranked.end(), [&](const Ranked& x, const Ranked& y) {
    if (x.suffixes != y.suffixes) return x.suffixes < y.suffixes;
    if (x.fits != y.fits) return x.fits;
    if (x.rare != y.rare) return x.rare < y.rare;
    if (x.stemChanged != y.stemChanged) return y.stemChanged;
    return t.lemmas[x.lemma].letters.size() > t.lemmas[y.lemma].letters.size();
  });
  for (const Ranked& r : ranked) {
    const Tables::Lemma& l = t.lemmas[r.lemma];
    Analysis a;
    a.Position = r.entry.position;
    a.Lemma = l.notation;
    a.Class = r.cls;
    if (r.found < 0) {
      a.Morphemes.push_back({l.notation, {}});
      a.Description = std::u16string(kBaseForm);
    } else {
      const Found& f = search.found[static_cast<size_t>(r.found)];
      a.Morphemes.push_back(
          {Notation(std::u16string_view(form).substr(0, f.starts.empty() ? form.size() : f.starts[0])), {}});
      std::vector<std::u16string_view> names;
      if (!f.stemName.empty()) {
        names.push_back(f.stemName);
        a.Morphemes.push_back({{}, std::u16string(f.stemName)});
      }
      for (size_t j = 0; j < f.nodes.size(); ++j) {
        const size_t end = j + 1 < f.starts.size() ? f.starts[j + 1] : form.size();
        const std::u16string_view name = search.table.Node(f.nodes[j]).suffix.name;
        names.push_back(name);
        a.Morphemes.push_back({Notation(std::u16string_view(form).substr(f.starts[j], end - f.starts[j])),
                               std::u16string(name)});
      }
      a.Description = JoinNames(names);
    }
    const bool seen = std::any_of(out.begin(), out.end(), [&](const Analysis& o) {
      return o.Position == a.Position && o.Description == a.Description && o.Segmentation() == a.Segmentation();
    });
    if (seen) continue;
    a.Word = store_.WordAt(a.Position, kSakhaPair).Text();
    out.push_back(std::move(a));
    if (out.size() >= limit) break;
  }
  return out;
}

std::u16string SakhaMorphology::Generate(std::u16string_view word, std::u16string_view features) const {
  const std::u16string letters = LettersOf(word);
  if (letters.empty()) return {};
  if (features == kNominative || features == kImperative || features == kBaseForm) return Notation(letters);
  for (const Path& p : Paths()) {
    if (p.features != features) continue;
    WordState w = StartWord(letters, false);
    Follow(w, p.nodes);
    return Notation(w.text.view());
  }
  return {};
}

std::vector<ParadigmRow> SakhaMorphology::Paradigm(std::u16string_view word) const {
  std::vector<ParadigmRow> rows;
  const Tables& t = Current();
  const std::u16string letters = LettersOf(word);
  const auto it = t.byLetters.find(letters);
  if (it == t.byLetters.end()) return rows;
  const uint8_t classes = t.lemmas[it->second].classes;
  for (const Slot start : {Slot::NounStem, Slot::VerbStem}) {
    const bool noun = start == Slot::NounStem;
    if ((classes & (noun ? kNounLike : kVerbBit)) == 0) continue;
    rows.push_back({std::u16string(noun ? kNominative : kImperative), Notation(letters)});
    for (const Path& p : Paths()) {
      if (p.start != start) continue;
      WordState w = StartWord(letters, false);
      Follow(w, p.nodes);
      rows.push_back({p.features, Notation(w.text.view())});
    }
  }
  return rows;
}

void SakhaMorphology::VisitForms(std::u16string_view word,
                                 const std::function<void(std::u16string_view)>& each) const {
  const Tables& t = Current();
  const std::u16string letters = LettersOf(word);
  const auto it = t.byLetters.find(letters);
  if (it == t.byLetters.end()) return;
  const uint8_t classes = t.lemmas[it->second].classes;
  for (const Slot start : {Slot::NounStem, Slot::VerbStem}) {
    if ((classes & (start == Slot::NounStem ? kNounLike : kVerbBit)) == 0) continue;
    each(letters);
    ForEachPathForm(StartWord(letters, false), start, each);
  }
}

std::vector<std::u16string> SakhaMorphology::GenerateAll(std::u16string_view word) const {
  std::vector<std::u16string> forms;
  VisitForms(word, [&](std::u16string_view f) { forms.push_back(Notation(f)); });
  std::sort(forms.begin(), forms.end());
  forms.erase(std::unique(forms.begin(), forms.end()), forms.end());
  return forms;
}

std::u16string SakhaMorphology::NounFeatures(int32_t number, int32_t person, int32_t nounCase) {
  static constexpr std::u16string_view kPossessor[6] = {u"1 л. ед. ч. притяж.", u"2 л. ед. ч. притяж.",
                                                        u"3 л. ед. ч. притяж.", u"1 л. мн. ч. притяж.",
                                                        u"2 л. мн. ч. притяж.", u"3 л. мн. ч. притяж."};
  static constexpr std::u16string_view kCase[9] = {u"",        u"",         u"парт. п.", u"дат.-мест. п.", u"вин. п.",
                                                   u"исх. п.", u"твор. п.", u"совм. п.", u"сравн. п."};
  if (number < 1 || number > 2 || person < 0 || person > 6 || nounCase < 1 || nounCase > 8) return {};
  if (nounCase == 2 && person > 0) return {};
  std::vector<std::u16string_view> names;
  if (number == 2) names.push_back(u"мн. ч.");
  if (person > 0) names.push_back(kPossessor[person - 1]);
  names.push_back(kCase[nounCase]);
  std::u16string f = JoinNames(names);
  return f.empty() ? std::u16string(kNominative) : f;
}

std::u16string SakhaMorphology::NounForm(std::u16string_view word, int32_t number, int32_t person,
                                         int32_t nounCase) const {
  const std::u16string f = NounFeatures(number, person, nounCase);
  return f.empty() ? std::u16string() : Generate(word, f);
}

}  // namespace sahdict::morph
