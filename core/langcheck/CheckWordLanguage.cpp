#include "core/langcheck/CheckWordLanguage.h"

#include <array>
#include <cstdint>
#include <vector>

#include "core/text/Cp1251.h"
#include "core/text/mdlCommon.h"
#include "core/text/mdlSah.h"

namespace sahdict {
namespace {

constexpr int kRussian = 0;
constexpr int kSakha = 1;

// Character-pair counts per language, indexed by the Windows-1251 codes of the pair.
class PairTable {
 public:
  PairTable() : counts_(2 * 256 * 256, 0) {}

  // Counts every pair of adjacent characters of `s`.
  void Learn(int lang, const std::u16string& s) {
    for (size_t j = 0; j + 1 < s.size(); ++j) {
      ++counts_[Index(lang, s[j], s[j + 1])];
      ++totals_[lang];
    }
  }

  int32_t Count(int lang, char16_t a, char16_t b) const { return counts_[Index(lang, a, b)]; }
  int32_t Total(int lang) const { return totals_[lang]; }

 private:
  static size_t Index(int lang, char16_t a, char16_t b) {
    return (static_cast<size_t>(lang) << 16) | (static_cast<size_t>(Cp1251Code(a)) << 8) | Cp1251Code(b);
  }

  std::vector<int32_t> counts_;
  std::array<int32_t, 2> totals_{0, 0};
};

// Language index of an entry: Russian for "RUS" pairs, Sakha for "SAH" pairs, -1 otherwise.
int LanguageOf(const EntryView& e) {
  const std::u16string from = PairFrom(e.LangPair);
  if (from == u"RUS") return kRussian;
  if (from == u"SAH") return kSakha;
  return -1;
}

// Frequency of a pair in a language, with a small floor so an unseen pair does
// not zero the score at once. The sum and quotient are taken in double and the
// result is rounded once to single precision. A language without any pair has
// no frequencies: every ratio is 0.
float PairRatio(const PairTable& table, int lang, char16_t a, char16_t b) {
  if (table.Total(lang) == 0) return 0.0f;
  return static_cast<float>((table.Count(lang, a, b) + 0.0001) / table.Total(lang));
}

}  // namespace

LangCheckResult CheckWordLanguage(const std::u16string& answer, const DictStore& store, bool sakhaLetters) {
  const auto shown = [sakhaLetters](std::u16string code) {
    return sakhaLetters ? NotationToSakhaLetters(code) : code;
  };
  if (answer.empty()) return {u"Слишком коротко!", true};

  std::u16string code = answer;
  const std::u16string word = u" " + TrimSpaces(ToCodeNotation(code)) + u" ";

  PairTable table;
  const int32_t count = store.GetEntryCount();
  for (int32_t n = 1; n <= count; ++n) {
    const EntryView e = store.EntryAt(n);
    const int lang = LanguageOf(e);
    if (lang < 0) continue;
    std::u16string key(e.Word.FirstWord());
    table.Learn(lang, u" " + ToCodeNotation(key) + u" ");
  }

  std::array<float, 2> score{};
  std::u16string report;
  for (int lang : {kRussian, kSakha}) {
    report += lang == kRussian ? u"Русские: " : u"\r\nЯкутские: ";
    score[lang] = 1.0f;
    for (size_t j = 0; j + 1 < word.size(); ++j) {
      const float r = PairRatio(table, lang, word[j], word[j + 1]);
      // Stored back into a float so the product is rounded to single precision at every step.
      score[lang] = score[lang] * r;
      report += shown(word.substr(j, 2));
      report += u'=';
      report += FormatFixed(r, 5);
      report += u' ';
    }
  }
  report = u"\r\n\r\nСтатистика по сочетаниям: \r\n" + report;

  // Both products vanished, or one language has nothing to compare with.
  if ((score[kRussian] == 0.0f && score[kSakha] == 0.0f) || table.Total(kRussian) == 0 || table.Total(kSakha) == 0)
    return {u"Не удается определить!" + report, true};

  const float sum = score[kSakha] + score[kRussian];
  const float p = score[kRussian] / sum;
  const float russianPercent = p * 100.0f;
  const float notP = 1.0f - p;
  const float sakhaPercent = notP * 100.0f;

  std::u16string again = word;
  std::u16string text = shown(ToCodeNotation(again));
  text += u"\r\nВероятность того, что это слово русское - ";
  text += FormatFixed(russianPercent, 1);
  text += u"%\r\nВероятность того, что это слово якутское - ";
  text += FormatFixed(sakhaPercent, 1);
  text += u"%";
  text += report;
  return {text, false};
}

}  // namespace sahdict
