#include "core/search/Gloss.h"

#include <utility>

#include "core/morph/SakhaMorphology.h"
#include "core/search/RussianStems.h"
#include "core/text/mdlCommon.h"
#include "core/text/mdlSah.h"

namespace sahdict {

namespace {

const std::u16string kRussian = u"RUS-SAH";
const std::u16string kSakha = u"SAH-RUS";

// Latin (the notation), Cyrillic with the Sakha letters, and the combining
// stress marks.
bool IsLetter(char16_t c) {
  return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= 0x0400 && c <= 0x04FF) || c == 0x0301 ||
         c == 0x0300;
}

// Cyrillic capitals, the Sakha ones included, to lower case.
std::u16string Lower(std::u16string s) {
  for (char16_t& c : s) c = LowerCyrillicLetter(c);
  return s;
}

// The Word up to its first " (".
std::u16string_view WordPart(std::u16string_view word) { return word.substr(0, word.find(u" (")); }

// What an entry translates its word with first: a Sakha word's Russian
// headword; for a Russian word, the first marked Sakha word of the article.
std::u16string FirstTranslation(const DictEntry& e) {
  if (PairFrom(e.LangPair) == u"SAH") return e.HeadWord;
  std::u16string_view t = e.Translation;
  const size_t dot = t.find(u'.');
  if (dot != std::u16string_view::npos) t.remove_prefix(dot + 1);
  return std::u16string(t.substr(0, t.find_first_of(u", (")));
}

}  // namespace

std::vector<TextWord> SplitWords(std::u16string_view text, size_t& from, size_t limit, WordChars chars) {
  const bool notation = chars == WordChars::Notation;
  std::vector<TextWord> words;
  size_t i = from;
  while (i < text.size() && words.size() < limit) {
    if (!IsLetter(text[i])) {
      ++i;
      continue;
    }
    size_t end = i;
    while (end < text.size()) {
      const char16_t c = text[end];
      if (IsLetter(c) ||
          (notation && (c == u'5' || (c == u'\'' && (text[end - 1] == u'н' || text[end - 1] == u'Н'))))) {
        ++end;
      } else if (text[end] == u'-' && end + 1 < text.size() && IsLetter(text[end + 1])) {
        end += 2;
      } else {
        break;
      }
    }
    words.push_back({i, end - i});
    i = end;
  }
  from = i;
  return words;
}

Glosser::Glosser(const DictStore& store) : store_(store), model_(std::make_unique<morph::SakhaMorphology>(store)) {}

Glosser::~Glosser() = default;

const GlossLine& Glosser::Of(const std::u16string& word) {
  auto it = cache_.find(word);
  if (it == cache_.end()) it = cache_.emplace(word, Compute(Lower(word))).first;
  return it->second;
}

GlossLine Glosser::FromEntry(int32_t k, const std::u16string& pair, std::u16string description) const {
  const DictEntry e = store_.GetEntry(k, pair);
  return {e.Word, std::move(description), FirstTranslation(e), pair, k};
}

// The position of the RUS-SAH entry whose word is `word`, or 0.
int32_t Glosser::RussianEntry(const std::u16string& word) const {
  const int32_t k = store_.FindFirstEntry(word, kRussian);
  return k > 0 && WordPart(store_.WordAt(k, kRussian).Text()) == word ? k : 0;
}

GlossLine Glosser::Compute(const std::u16string& word) const {
  const bool sakha = HasRealSakhaLetter(word);
  const std::vector<morph::Analysis> found = model_->Analyze(word, 1);
  const bool exactSakha = !found.empty() && found.front().Morphemes.size() == 1;
  if (!sakha && !exactSakha) {
    if (const int32_t k = RussianEntry(word)) return FromEntry(k, kRussian, {});
  }
  if (!found.empty()) {
    const morph::Analysis& a = found.front();
    return FromEntry(a.Position, kSakha, a.Description);
  }
  if (!sakha) {
    for (const std::u16string& stem : RussianStems(word)) {
      if (const int32_t k = RussianEntry(stem)) return FromEntry(k, kRussian, u"stem");
    }
  }
  return {};
}

}  // namespace sahdict
