#include "core/search/FullText.h"

#include <algorithm>
#include <unordered_map>

#include "core/dict/DictStore.h"
#include "core/morph/SakhaMorphology.h"
#include "core/search/RussianStems.h"
#include "core/search/SearchText.h"
#include "core/text/mdlSah.h"

namespace sahdict {

namespace {

bool IsLetter(char16_t c) {
  return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= 0x0400 && c <= 0x04FF) || c == 0x0301 ||
         c == 0x0300;
}
// Sakha words in the notation also hold "5" (ҕ), the "'" of "н'" and the "*"
// that marks an ending; words of both languages may be hyphenated.
bool IsSakhaChar(char16_t c) { return IsLetter(c) || c == u'5' || c == u'\'' || c == u'*' || c == u'-'; }
bool IsRussianChar(char16_t c) { return IsLetter(c) || c == u'-'; }
bool IsChunkEnd(char16_t c) { return c == u' ' || c == u',' || c == u';' || c == u'(' || c == u')' || c == u'\t'; }

// True when the text can only be Sakha: real Sakha letters, or the
// notation's "5", "h", "O", "Y" and "н'".
bool LooksSakha(std::u16string_view w) {
  for (size_t i = 0; i < w.size(); ++i) {
    const char16_t c = w[i];
    if (c == u'5' || c == u'h' || c == u'O' || c == u'Y' || (c == u'\'' && i > 0 && w[i - 1] == u'н')) return true;
    if (IsRealSakhaLetter(c)) return true;
  }
  return false;
}

// One word of an article's text: where it stands and which language it is.
struct Token {
  uint32_t offset = 0;
  uint32_t length = 0;
  bool sakha = false;
};

// The words of a translation as the article page reads them: the text falls
// into pieces at spaces, "," ";" "(" and ")"; in a piece whose first "." has
// something after it, the word after the "." is Sakha; the rest are Russian.
template <typename Each>
void Tokenize(std::u16string_view t, Each each) {
  size_t i = 0;
  auto run = [&](size_t from, size_t to, bool sakha) {
    size_t a = from;
    while (a < to) {
      auto inWord = [&](char16_t c) { return sakha ? IsSakhaChar(c) : IsRussianChar(c); };
      while (a < to && !(inWord(t[a]) && t[a] != u'-' && t[a] != u'*' && t[a] != u'\'')) ++a;
      size_t b = a;
      while (b < to && inWord(t[b])) ++b;
      size_t e = b;
      while (e > a && (t[e - 1] == u'-' || t[e - 1] == u'*' || (t[e - 1] == u'\'' && !sakha))) --e;
      if (e > a) each(Token{static_cast<uint32_t>(a), static_cast<uint32_t>(e - a), sakha});
      a = b;
      if (sakha) break;  // a Sakha piece holds one word
    }
  };
  while (i < t.size()) {
    while (i < t.size() && IsChunkEnd(t[i])) ++i;
    size_t end = i;
    while (end < t.size() && !IsChunkEnd(t[end])) ++end;
    const size_t dot = t.substr(i, end - i).find(u'.');
    if (dot != std::u16string_view::npos && i + dot + 1 < end) {
      run(i, i + dot, false);
      run(i + dot + 1, end, true);
    } else {
      run(i, end, false);
    }
    i = end;
  }
}

struct Posting {
  uint32_t article;
  uint32_t offset;
  uint32_t length;
};

}  // namespace

struct FullTextIndex::Tables {
  struct Article {
    int32_t n = 0;  // sorted position of the entry that opens it
    int32_t k = 0;  // its position within its pair
  };
  std::vector<Article> articles;
  std::unordered_map<std::u16string, uint32_t> keys;  // "R" or "S", then the reduced word
  std::vector<uint32_t> first;                        // key id -> its postings start, one more at the end
  std::vector<Posting> postings;                      // by key, then by article
};

namespace {

// Single words as keys. A Sakha word of a text is kept as it is spelt
// (canonical notation); a query finds it by expanding instead: its analyses
// give the dictionary words it is a form of, and their paradigms give every
// form those words take. Expanding the one query is far cheaper than
// analysing every distinct word of the texts at each build.
class Reducer {
 public:
  explicit Reducer(const morph::SakhaMorphology& model) : model_(model) {}

  // The key of a Sakha word of a text: its canonical notation.
  static std::u16string SakhaSpelling(std::u16string_view word) {
    std::u16string w(word);
    std::erase(w, u'*');
    return u"S" + TypedSakhaToNotation(w);
  }

  // The Sakha keys a query word finds: the word itself, the dictionary words
  // of all its analyses, and every form of those words.
  std::vector<std::u16string> SakhaForms(std::u16string_view word) const {
    std::vector<std::u16string> keys{SakhaSpelling(word)};
    auto add = [&](const std::u16string& spelling) {
      std::u16string key = u"S" + spelling;
      if (std::find(keys.begin(), keys.end(), key) == keys.end()) keys.push_back(std::move(key));
    };
    std::vector<std::u16string> lemmas;
    for (const morph::Analysis& a : model_.Analyze(keys.front().substr(1)))
      if (std::find(lemmas.begin(), lemmas.end(), a.Lemma) == lemmas.end()) lemmas.push_back(a.Lemma);
    for (const std::u16string& lemma : lemmas) {
      add(lemma);
      for (const std::u16string& form : model_.GenerateAll(lemma)) add(form);
    }
    return keys;
  }

  // The Russian keys of a word: its stems folded, or the folded word.
  static std::vector<std::u16string> Russian(std::u16string_view word) {
    const std::u16string original(word);
    const std::u16string folded = FoldSearchText(original, false);
    std::vector<std::u16string> stems = RussianStems(folded);
    if (stems.empty() && folded != original) stems = RussianStems(original);
    std::vector<std::u16string> keys;
    for (const std::u16string& s : stems) {
      std::u16string key = u"R" + FoldSearchText(s, false);
      if (std::find(keys.begin(), keys.end(), key) == keys.end()) keys.push_back(std::move(key));
    }
    if (keys.empty() && !folded.empty()) keys.push_back(u"R" + folded);
    return keys;
  }

 private:
  const morph::SakhaMorphology& model_;
};

struct ArticleSlot {
  const char16_t* translation;
  const char16_t* headWord;
  const char16_t* note;
  friend bool operator==(const ArticleSlot&, const ArticleSlot&) = default;
};
struct ArticleSlotHash {
  size_t operator()(const ArticleSlot& s) const {
    const auto h = [](const void* p) { return std::hash<const void*>()(p); };
    return h(s.translation) ^ (h(s.headWord) * 31) ^ (h(s.note) * 1009);
  }
};

// The rank of an entry as the one that opens its article: the article's own
// entry (its Word is the headword) before a derived one, and the extended
// Russian copy after the other pairs.
int OpeningRank(const EntryView& e) {
  if (e.Word.CitesHead) return 0;
  const std::u16string_view own = e.Word.Own.substr(0, e.Word.Own.find(u" ("));
  if (own != e.HeadWord) return 0;
  return e.LangPair.starts_with(u"RSE") ? 1 : 2;
}

// The text as the page shows it (the "." before a Sakha word and the "*" of
// an ending dropped, Sakha words with real letters when `letters` is set)
// around the word at [offset, offset + length), that word within "[" and "]",
// cut at spaces about 40 characters before and 60 after with "…" where text
// was left out.
std::u16string MakeSnippet(std::u16string_view t, size_t offset, size_t length, bool letters) {
  constexpr size_t before = 40, after = 60;
  std::u16string shown, sakha;
  bool inSakha = false;
  auto flush = [&] {
    if (letters && !sakha.empty()) NotationToSakhaLetters(sakha);
    shown += sakha;
    sakha.clear();
  };
  size_t hitFrom = 0, hitTo = 0;
  for (size_t i = 0; i < t.size(); ++i) {
    if (i == offset) flush(), hitFrom = shown.size();
    if (i == offset + length) flush(), hitTo = shown.size();
    const char16_t c = t[i];
    if (c == u'*') continue;
    if (c == u'.' && i + 1 < t.size() && IsSakhaChar(t[i + 1]) && (i == 0 || IsChunkEnd(t[i - 1]))) {
      flush();
      inSakha = true;
      continue;
    }
    if (inSakha && !IsSakhaChar(c)) {
      flush();
      inSakha = false;
    }
    (inSakha ? sakha : shown) += c;
  }
  flush();
  if (offset + length >= t.size()) hitTo = shown.size();
  size_t from = hitFrom > before ? hitFrom - before : 0;
  if (from > 0) {
    const size_t space = shown.find(u' ', from);
    from = space != std::u16string::npos && space < hitFrom ? space + 1 : hitFrom;
  }
  size_t to = std::min(shown.size(), hitTo + after);
  if (to < shown.size()) {
    const size_t space = shown.rfind(u' ', to);
    to = space != std::u16string::npos && space > hitTo ? space : hitTo;
  }
  std::u16string out;
  if (from > 0) out += u"…";
  out.append(shown, from, hitFrom - from);
  out += u'[';
  out.append(shown, hitFrom, hitTo - hitFrom);
  out += u']';
  out.append(shown, hitTo, to - hitTo);
  if (to < shown.size()) out += u"…";
  return out;
}

}  // namespace

FullTextIndex::FullTextIndex(const DictStore& store)
    : store_(store), model_(std::make_unique<morph::SakhaMorphology>(store)) {}
FullTextIndex::~FullTextIndex() = default;

void FullTextIndex::Prepare() const { Current(); }

const FullTextIndex::Tables& FullTextIndex::Current() const {
  if (tables_ && stamp_ == store_.ChangeStamp()) return *tables_;
  auto tables = std::make_unique<Tables>();
  Tables& t = *tables;

  // Each article once, opened by its best entry.
  struct Candidate {
    int32_t n, k;
    int rank;
  };
  std::unordered_map<ArticleSlot, Candidate, ArticleSlotHash> slots;
  std::unordered_map<std::u16string_view, int32_t> pairCounts;
  const char16_t* lastPair = nullptr;  // the sorted order keeps a pair's entries together
  int32_t* pairCount = nullptr;
  const int32_t count = store_.GetEntryCount();
  for (int32_t n = 1; n <= count; ++n) {
    const EntryView e = store_.EntryAt(n);
    if (pairCount == nullptr || e.LangPair.data() != lastPair) {
      pairCount = &pairCounts[e.LangPair];
      lastPair = e.LangPair.data();
    }
    const int32_t k = ++*pairCount;
    if (e.Translation.empty()) continue;
    const Candidate c{n, k, OpeningRank(e)};
    auto [it, fresh] = slots.try_emplace(ArticleSlot{e.Translation.data(), e.HeadWord.data(), e.Note.data()}, c);
    if (!fresh && c.rank > it->second.rank) it->second = c;
  }
  t.articles.reserve(slots.size());
  for (const auto& [slot, c] : slots) t.articles.push_back({c.n, c.k});
  std::sort(t.articles.begin(), t.articles.end(), [](const auto& a, const auto& b) { return a.n < b.n; });

  // Every word of every article under its keys; each distinct word reduced once.
  std::unordered_map<std::u16string_view, std::vector<uint32_t>> sakhaWords, russianWords;
  std::vector<uint32_t> lastArticle;  // key id -> the last article given a posting
  struct Raw {
    uint32_t key;
    Posting p;
  };
  std::vector<Raw> raw;
  auto keyIds = [&](const std::vector<std::u16string>& keys) {
    std::vector<uint32_t> ids;
    for (const std::u16string& key : keys) {
      auto [it, fresh] = t.keys.try_emplace(key, static_cast<uint32_t>(t.keys.size()));
      if (fresh) lastArticle.push_back(UINT32_MAX);
      ids.push_back(it->second);
    }
    return ids;
  };
  for (uint32_t a = 0; a < t.articles.size(); ++a) {
    const std::u16string_view text = store_.EntryAt(t.articles[a].n).Translation;
    Tokenize(text, [&](const Token& tok) {
      const std::u16string_view word = text.substr(tok.offset, tok.length);
      auto& cache = tok.sakha ? sakhaWords : russianWords;
      auto it = cache.find(word);
      if (it == cache.end())
        it = cache.emplace(word, keyIds(tok.sakha ? std::vector{Reducer::SakhaSpelling(word)} : Reducer::Russian(word))).first;
      for (const uint32_t id : it->second) {
        if (lastArticle[id] == a) continue;
        lastArticle[id] = a;
        raw.push_back({id, Posting{a, tok.offset, tok.length}});
      }
    });
  }

  // Postings grouped by key, each key's in article order.
  t.first.assign(t.keys.size() + 1, 0);
  for (const Raw& r : raw) ++t.first[r.key + 1];
  for (size_t i = 1; i < t.first.size(); ++i) t.first[i] += t.first[i - 1];
  t.postings.resize(raw.size());
  std::vector<uint32_t> next(t.first.begin(), t.first.end() - 1);
  for (const Raw& r : raw) t.postings[next[r.key]++] = r.p;

  // Queries analyse with the model: its lexicon and analysis tables are
  // built here, with the index, not at the first query.
  model_->Analyze(u"а", 1);
  tables_ = std::move(tables);
  stamp_ = store_.ChangeStamp();
  return *tables_;
}

std::vector<FullTextHit> FullTextIndex::Search(std::u16string_view word, size_t limit, bool sakhaLetters) const {
  while (!word.empty() && (word.front() == u' ' || word.front() == u'\t')) word.remove_prefix(1);
  while (!word.empty() && (word.back() == u' ' || word.back() == u'\t')) word.remove_suffix(1);
  if (std::none_of(word.begin(), word.end(), IsLetter)) return {};
  const Tables& t = Current();

  std::vector<std::u16string> keys = Reducer(*model_).SakhaForms(word);
  if (!LooksSakha(word))
    for (std::u16string& k : Reducer::Russian(word)) keys.push_back(std::move(k));
  std::vector<Posting> found;
  for (const std::u16string& key : keys) {
    const auto it = t.keys.find(key);
    if (it == t.keys.end()) continue;
    found.insert(found.end(), t.postings.begin() + t.first[it->second], t.postings.begin() + t.first[it->second + 1]);
  }
  std::sort(found.begin(), found.end(),
            [](const Posting& a, const Posting& b) { return a.article != b.article ? a.article < b.article : a.offset < b.offset; });
  found.erase(std::unique(found.begin(), found.end(),
                          [](const Posting& a, const Posting& b) { return a.article == b.article; }),
              found.end());
  if (limit > 0 && found.size() > limit) found.resize(limit);

  std::vector<FullTextHit> hits;
  hits.reserve(found.size());
  for (const Posting& p : found) {
    const Tables::Article& a = t.articles[p.article];
    const EntryView e = store_.EntryAt(a.n);
    hits.push_back(FullTextHit{std::u16string(e.LangPair), a.k, e.Word.Text(),
                               MakeSnippet(e.Translation, p.offset, p.length, sakhaLetters)});
  }
  return hits;
}

size_t FullTextIndex::ArticleCount() const { return Current().articles.size(); }
size_t FullTextIndex::KeyCount() const { return Current().keys.size(); }

size_t FullTextIndex::MemoryBytes() const {
  const Tables& t = Current();
  size_t bytes = sizeof(Tables) + t.articles.capacity() * sizeof(Tables::Article) +
                 t.first.capacity() * sizeof(uint32_t) + t.postings.capacity() * sizeof(Posting);
  // A node of the key table: the string with its heap block, the id, the
  // link, the cached hash, and a bucket.
  for (const auto& [key, id] : t.keys)
    bytes += sizeof(std::u16string) + 32 + (key.size() > 7 ? (key.size() + 1) * sizeof(char16_t) : 0);
  return bytes;
}

}  // namespace sahdict
