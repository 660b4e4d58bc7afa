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
float PairRatio(const LangCheckCounts& table, int lang, char16_t a, char16_t b) {
  if (table.Total(lang) == 0) return 0.0f;
  return static_cast<float>((table.Count(lang, a, b) + 0.0001) / table.Total(lang));
}

}  // namespace

LangCheckCounts::LangCheckCounts(const DictStore& store) : counts_(2 * 256 * 256, 0) {
  const int32_t count = store.GetEntryCount();
  for (int32_t n = 1; n <= count; ++n) {
    const EntryView e = store.EntryAt(n);
    const int lang = LanguageOf(e);
    if (lang < 0) continue;
    std::u16string key(e.Word.FirstWord());
    Learn(lang, u" " + ToCodeNotation(key) + u" ");
  }
}

// Counts every pair of adjacent characters of `s`.
void LangCheckCounts::Learn(int lang, const std::u16string& s) {
  for (size_t j = 0; j + 1 < s.size(); ++j) {
    ++counts_[Index(lang, s[j], s[j + 1])];
    ++totals_[static_cast<size_t>(lang)];
  }
}

// Indexed by the Windows-1251 codes of the pair.
size_t LangCheckCounts::Index(int lang, char16_t a, char16_t b) {
  return (static_cast<size_t>(lang) << 16) | (static_cast<size_t>(Cp1251Code(a)) << 8) | Cp1251Code(b);
}

LangCheckResult CheckWordLanguage(const std::u16string& answer, const DictStore& store, bool sakhaLetters) {
  if (answer.empty()) return {u"Слишком коротко!", true};
  return CheckWordLanguage(answer, LangCheckCounts(store), sakhaLetters);
}

namespace {

// " word " in the code form, as the pairs are counted.
std::u16string PaddedCode(const std::u16string& answer) {
  std::u16string code = answer;
  return u" " + TrimSpaces(ToCodeNotation(code)) + u" ";
}

// The code form as the message shows it: with real Sakha letters when asked.
std::u16string Shown(std::u16string code, bool sakhaLetters) {
  return sakhaLetters ? NotationToSakhaLetters(code) : code;
}

// The product of the pair ratios of `word` under each language; `report`,
// when given, receives the ratios as the statistics lines show them.
std::array<float, 2> Scores(const LangCheckCounts& table, const std::u16string& word, std::u16string* report,
                            bool sakhaLetters = false) {
  std::array<float, 2> score{};
  for (int lang : {kRussian, kSakha}) {
    if (report) *report += lang == kRussian ? u"Русские: " : u"\r\nЯкутские: ";
    score[lang] = 1.0f;
    for (size_t j = 0; j + 1 < word.size(); ++j) {
      const float r = PairRatio(table, lang, word[j], word[j + 1]);
      // Stored back into a float so the product is rounded to single precision at every step.
      score[lang] = score[lang] * r;
      if (!report) continue;
      *report += Shown(word.substr(j, 2), sakhaLetters);
      *report += u'=';
      *report += FormatFixed(r, 5);
      *report += u' ';
    }
  }
  return score;
}

// Neither language can be judged: both products vanished, or one language has nothing to compare with.
bool Undecided(const LangCheckCounts& table, const std::array<float, 2>& score) {
  return (score[kRussian] == 0.0f && score[kSakha] == 0.0f) || table.Total(kRussian) == 0 || table.Total(kSakha) == 0;
}

}  // namespace

LangCheckResult CheckWordLanguage(const std::u16string& answer, const LangCheckCounts& table, bool sakhaLetters) {
  if (answer.empty()) return {u"Слишком коротко!", true};
  const std::u16string word = PaddedCode(answer);
  std::u16string report;
  const std::array<float, 2> score = Scores(table, word, &report, sakhaLetters);
  report = u"\r\n\r\nСтатистика по сочетаниям: \r\n" + report;

  if (Undecided(table, score))
    return {u"Не удается определить!" + report, true};

  const float sum = score[kSakha] + score[kRussian];
  const float p = score[kRussian] / sum;
  const float russianPercent = p * 100.0f;
  const float notP = 1.0f - p;
  const float sakhaPercent = notP * 100.0f;

  std::u16string code = word;
  std::u16string text = Shown(ToCodeNotation(code), sakhaLetters);
  text += u"\r\nВероятность того, что это слово русское - ";
  text += FormatFixed(russianPercent, 1);
  text += u"%\r\nВероятность того, что это слово якутское - ";
  text += FormatFixed(sakhaPercent, 1);
  text += u"%";
  text += report;
  return {text, false};
}

std::optional<bool> RussianLikelier(const std::u16string& answer, const DictStore& store) {
  if (answer.empty()) return std::nullopt;
  const LangCheckCounts table(store);
  const std::array<float, 2> score = Scores(table, PaddedCode(answer), nullptr);
  if (Undecided(table, score)) return std::nullopt;
  return score[kRussian] >= score[kSakha];
}

}  // namespace sahdict
