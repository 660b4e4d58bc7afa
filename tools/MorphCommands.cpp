// analyze, gloss, paradigm: the Sakha morphology model on a dictionary's words.
#include <fstream>
#include <istream>
#include <iterator>
#include <ostream>
#include <unordered_map>

#include "core/dict/DictStore.h"
#include "core/morph/SakhaMorphology.h"
#include "core/search/RussianStems.h"
#include "core/text/mdlCommon.h"
#include "tools/DictLoading.h"
#include "tools/Tool.h"

namespace sahdict::tool {

namespace {

using morph::Analysis;
using morph::SakhaMorphology;

Command Analyze() {
  return DictFileCommand("analyze", "FILE WORD|-",
                         "every analysis of WORD: k, Word, part of speech, morphemes, description, then --", 2,
                         [](DictStore& store, const LoadResult&, const std::vector<std::string>& args, Io& io) {
                           const SakhaMorphology model(store);
                           return ForEachItem(args[1], io, [&](const std::u16string& item) {
                             const std::vector<Analysis> found = model.Analyze(item);
                             for (const Analysis& a : found) {
                               io.out << a.Position << '\t';
                               WriteText(io.out, a.Word);
                               io.out << '\t';
                               WriteText(io.out, std::u16string(morph::WordClassName(a.Class)));
                               io.out << '\t';
                               WriteText(io.out, a.Segmentation());
                               io.out << '\t';
                               WriteText(io.out, a.Description);
                               io.out << '\n';
                             }
                             io.out << "--\n";
                             return found.empty() ? int{kProblems} : int{kOk};
                           });
                         });
}

Command Paradigm() {
  return DictFileCommand("paradigm", "FILE WORD", "the model's forms of a Sakha noun or verb: features, form", 2,
                         [](DictStore& store, const LoadResult&, const std::vector<std::string>& args, Io& io) {
                           const SakhaMorphology model(store);
                           const auto rows = model.Paradigm(FromUtf8(args[1]));
                           for (const auto& r : rows) {
                             WriteText(io.out, r.Features);
                             io.out << '\t';
                             WriteText(io.out, r.Form);
                             io.out << '\n';
                           }
                           return rows.empty() ? int{kProblems} : int{kOk};
                         });
}

bool IsLetter(char16_t c) {
  return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= 0x0400 && c <= 0x04FF) || c == 0x0301 ||
         c == 0x0300;
}

// Cyrillic capitals, the Sakha ones included, to lower case.
std::u16string Lower(std::u16string s) {
  for (char16_t& c : s) {
    if (c >= u'А' && c <= u'Я')
      c = static_cast<char16_t>(c + 0x20);
    else if (c >= 0x0400 && c <= 0x040F)
      c = static_cast<char16_t>(c + 0x50);
    else if (c >= 0x0460 && c <= 0x04FF && c % 2 == 0 && c != 0x04C0)
      c = static_cast<char16_t>(c + 1);
  }
  return s;
}

bool HasSakhaLetter(std::u16string_view s) {
  for (const char16_t c : s) {
    if (c == u'ҥ' || c == u'ҕ' || c == u'ө' || c == u'ү' || c == u'һ') return true;
  }
  return false;
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

struct GlossLine {
  std::u16string lemma, description, translation;
};

class Glosser {
 public:
  explicit Glosser(const DictStore& store) : store_(store), model_(store) {}

  const GlossLine& Of(const std::u16string& word) {
    auto it = cache_.find(word);
    if (it == cache_.end()) it = cache_.emplace(word, Compute(Lower(word))).first;
    return it->second;
  }

 private:
  GlossLine FromEntry(int32_t k, const std::u16string& pair, std::u16string description) const {
    const DictEntry e = store_.GetEntry(k, pair);
    return {e.Word, std::move(description), FirstTranslation(e)};
  }

  // The position of the RUS-SAH entry whose word is `word`, or 0.
  int32_t RussianEntry(const std::u16string& word) const {
    const int32_t k = store_.FindFirstEntry(word, kRussian);
    return k > 0 && WordPart(store_.WordAt(k, kRussian).Text()) == word ? k : 0;
  }

  GlossLine Compute(const std::u16string& word) const {
    const bool sakha = HasSakhaLetter(word);
    const std::vector<Analysis> found = model_.Analyze(word, 1);
    const bool exactSakha = !found.empty() && found.front().Morphemes.size() == 1;
    if (!sakha && !exactSakha) {
      if (const int32_t k = RussianEntry(word)) return FromEntry(k, kRussian, {});
    }
    if (!found.empty()) {
      const Analysis& a = found.front();
      return FromEntry(a.Position, kSakha, a.Description);
    }
    if (!sakha) {
      for (const std::u16string& stem : RussianStems(word)) {
        if (const int32_t k = RussianEntry(stem)) return FromEntry(k, kRussian, u"stem");
      }
    }
    return {};
  }

  const std::u16string kRussian = u"RUS-SAH";
  const std::u16string kSakha = u"SAH-RUS";
  const DictStore& store_;
  SakhaMorphology model_;
  std::unordered_map<std::u16string, GlossLine> cache_;
};

Command Gloss() {
  return DictFileCommand("gloss", "FILE TEXTFILE|-",
                         "each word of a UTF-8 text: word, lemma Word, description, first translation", 2,
                         [](DictStore& store, const LoadResult&, const std::vector<std::string>& args, Io& io) {
                           std::string bytes;
                           if (args[1] == "-") {
                             bytes.assign(std::istreambuf_iterator<char>(io.in), std::istreambuf_iterator<char>());
                           } else {
                             std::ifstream in(args[1], std::ios::binary);
                             if (!in) {
                               io.err << "sahdict-tool: cannot read " << args[1] << "\n";
                               return int{kUsage};
                             }
                             bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
                           }
                           const std::u16string text = FromUtf8(bytes);
                           Glosser glosser(store);
                           size_t i = 0;
                           while (i < text.size()) {
                             if (!IsLetter(text[i])) {
                               ++i;
                               continue;
                             }
                             size_t end = i;
                             while (end < text.size()) {
                               if (IsLetter(text[end])) {
                                 ++end;
                               } else if (text[end] == u'-' && end + 1 < text.size() && IsLetter(text[end + 1])) {
                                 end += 2;
                               } else {
                                 break;
                               }
                             }
                             const std::u16string word = text.substr(i, end - i);
                             const GlossLine& g = glosser.Of(word);
                             WriteText(io.out, word);
                             io.out << '\t';
                             WriteText(io.out, g.lemma);
                             io.out << '\t';
                             WriteText(io.out, g.description);
                             io.out << '\t';
                             WriteText(io.out, g.translation);
                             io.out << '\n';
                             i = end;
                           }
                           return int{kOk};
                         });
}

}  // namespace

std::vector<Command> MorphCommands() { return {Analyze(), Gloss(), Paradigm()}; }

}  // namespace sahdict::tool
