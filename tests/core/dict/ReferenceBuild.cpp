#include "tests/core/dict/ReferenceBuild.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>

#include "core/dict/mdlDictParser.h"
#include "core/text/Cp1251.h"
#include "core/text/mdlCommon.h"
#include "core/text/mdlSah.h"

namespace sahdict::test {

namespace {

struct Reference {
  std::vector<DictEntry> entries;
  std::u16string pair;
  bool sah = false, rus = false, sorted = false;

  void Add(const std::u16string& word, const std::u16string& head, const std::u16string& note,
           const std::u16string& translation, const std::u16string& langPair) {
    entries.push_back({langPair, TrimSpaces(word), TrimSpaces(head), TrimSpaces(note), TrimSpaces(translation)});
  }

  void Parse(const std::u16string& text) {
    const size_t p1 = text.find(u'('), p2 = text.find(u')'), p3 = text.find(u"- ");
    if (text.empty() || p1 == std::u16string::npos || p2 == std::u16string::npos || p3 == std::u16string::npos ||
        p1 > p2 || p2 > p3)
      return;
    const std::u16string word = TrimSpaces(text.substr(0, p1));
    const std::u16string note = TrimSpaces(text.substr(p1 + 1, p2 - p1 - 1));
    const std::u16string translation = NormalizeMarkedWords(TrimSpaces(text.substr(p3 + 2)));
    Add(word, word, note, translation, pair);
    if (sah) {
      for (size_t start = 0, dot; (dot = translation.find(u'.', start)) != std::u16string::npos;) {
        const size_t end = std::min(translation.find(u' ', dot), translation.size());
        std::u16string marked = translation.substr(dot + 1, end - dot - 1);
        StripNonSakha(marked);
        if (end - dot > 1 && !marked.empty() && marked != u"-")
          Add(NormalizeSakha(marked) + u" (" + word + u")", word, note, translation, ReversePair(pair));
        start = end + 1;
      }
    }
    if (rus) {
      Add(word, word, note, translation, u"RSE-" + PairTo(pair));
      for (size_t start = 0; start <= translation.size();) {
        const size_t end = std::min(translation.find(u' ', start), translation.size());
        std::u16string piece = translation.substr(start, end - start);
        start = end + 1;
        if (piece.empty() || piece.find(u'.') != std::u16string::npos) continue;
        StripNonRussian(piece);
        if (!piece.empty() && piece != u"-" && piece != word)
          Add(piece + u" (" + word + u")", word, note, translation, u"RSE-" + PairTo(pair));
      }
    }
  }
};

}  // namespace

std::vector<DictEntry> ReferenceBuild(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  const std::u16string all = DecodeCp1251(std::string(std::istreambuf_iterator<char>(in), {}));
  Reference r;
  std::u16string pending;
  for (size_t start = 0; start < all.size();) {
    const size_t lf = std::min(all.find(u'\n', start), all.size());
    std::u16string line = all.substr(start, lf - start);
    start = lf + 1;
    if (!line.empty() && line.back() == u'\r' && lf < all.size()) line.pop_back();
    if (StartsWith(line, u"--#")) line.clear();
    if (StartsWith(line, u"--")) {
      r.Parse(pending);
      pending.clear();
      std::u16string value = line.substr(2);
      const std::u16string key = CutFirstWord(value);
      if (key == u"languages") r.pair = value;
      r.sah |= key == u"dicttype" && value == u"NeedSahExtract";
      r.rus |= key == u"dicttype" && value == u"NeedRusExtract";
      r.sorted |= key == u"dicttype" && value == u"Sorted";
    } else if (!line.empty()) {
      pending += u' ' + line;
    } else {
      r.Parse(pending);
      pending.clear();
    }
  }
  r.Parse(pending);
  if (!r.sorted || r.sah) {
    std::stable_sort(r.entries.begin(), r.entries.end(),
                     [](const DictEntry& a, const DictEntry& b) { return a.Word < b.Word; });
    r.entries.erase(std::unique(r.entries.begin(), r.entries.end()), r.entries.end());
  }
  return r.entries;
}

}  // namespace sahdict::test
