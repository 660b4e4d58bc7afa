#include "core/grammar/mdlSahGrammar.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "core/text/mdlCommon.h"
#include "core/text/mdlSah.h"

namespace sahdict {
namespace {

constexpr std::u16string_view kVowels = u"12689OYаоеэуиы";

bool IsVowelChar(char16_t c) { return kVowels.find(c) != std::u16string_view::npos; }

// Vowel, the vowel before it, what it becomes; the first matching row applies.
struct HarmonyRow {
  char16_t vowel, previous, becomes;
};
constexpr HarmonyRow kHarmony[] = {
    {u'а', u'и', u'э'}, {u'а', u'э', u'э'}, {u'а', u'о', u'о'}, {u'а', u'Y', u'э'},
    {u'а', u'O', u'O'}, {u'ы', u'и', u'и'}, {u'ы', u'э', u'и'}, {u'ы', u'у', u'у'},
    {u'ы', u'о', u'у'}, {u'ы', u'Y', u'Y'}, {u'ы', u'O', u'Y'},
};

// Consonant assimilation at the seam, in the code form ("4" ҥ, "5" ҕ, "h" һ).
// An empty `first` (kAnyVowel) row matches any vowel as the suffix initial;
// a zero in newLast or newFirst leaves that character as it is.
constexpr char16_t kAnyVowel = 0;
struct SeamRow {
  char16_t first;
  std::u16string_view lasts;
  char16_t newLast, newFirst;
};
constexpr SeamRow kSeam[] = {
    {kAnyVowel, u"к", u'г', 0},  {kAnyVowel, u"п", u'б', 0},  {kAnyVowel, u"с", u'h', 0},
    {kAnyVowel, u"х", u'5', 0},  {u'б', u"кпсх", 0, u'п'},     {u'б', u"м4", 0, u'м'},
    {u'б', u"н", u'м', u'м'},    {u'б', u"т", u'п', u'п'},     {u'л', u"кпсх", 0, u'т'},
    {u'л', u"йр", 0, u'д'},      {u'л', u"мн4", 0, u'н'},      {u'л', u"т", 0, u'т'},
    {u'5', u"йлр", 0, u'г'},     {u'5', u"кпс", 0, u'к'},      {u'5', u"х", 0, u'х'},
    {u'5', u"м4", 0, u'4'},      {u'5', u"т", u'к', u'к'},     {u'5', u"н", u'4', u'4'},
};

void Assimilate(char16_t& last, char16_t& first) {
  for (const auto& row : kSeam) {
    const bool firstMatches = row.first == kAnyVowel ? IsVowelChar(first) : row.first == first;
    if (!firstMatches || row.lasts.find(last) == std::u16string_view::npos) continue;
    if (row.newLast) last = row.newLast;
    if (row.newFirst) first = row.newFirst;
    return;
  }
}

constexpr std::u16string_view kPlural = u"лар";
// Case 1 with a possessor, by person 1..6.
constexpr std::array<std::u16string_view, 7> kPossessive = {u"", u"ым", u"ы4", u"а", u"быт", u"5ыт", u"лара"};
// Cases 1..8 without a possessor.
constexpr std::array<std::u16string_view, 9> kCaseEnding = {u"",  u"",    u"ла",   u"5а",    u"ы",
                                                            u"лан", u"ынан", u"лыын", u"лаа5ар"};
// Cases 3..8 with a possessor: possessive part by person, then the case ending.
constexpr std::array<std::u16string_view, 7> kPossessivePart = {u"", u"б", u"5", u"", u"быт", u"5ыт", u"лар"};
constexpr std::array<std::u16string_view, 9> kPossessedEnding = {u"",      u"",     u"",      u"ар",     u"ын",
                                                                 u"ыттан", u"ынан", u"ыныын", u"ынаа5ар"};

// What MakeWordForm joins for a case 1..8 and a person 0..6 (case 1 with
// person 0 joins nothing and case 2 has no possessive forms; callers skip them).
std::u16string CaseSuffix(int32_t caseNum, int32_t person) {
  const auto c = static_cast<size_t>(caseNum);
  const auto p = static_cast<size_t>(person);
  if (caseNum == 1) return std::u16string(kPossessive[p]);
  if (person == 0) return std::u16string(kCaseEnding[c]);
  std::u16string suffix(kPossessivePart[p]);
  if (caseNum == 3 && person >= 3) suffix += u"ыг";
  suffix += kPossessedEnding[c];
  return suffix;
}

std::u16string Join(std::u16string stem, std::u16string_view suffix) {
  return JoinSuffix(stem, std::u16string(suffix));
}

}  // namespace

bool IsVowel(const std::u16string& ch) { return ch.size() == 1 && IsVowelChar(ch[0]); }

std::u16string& ApplyVowelHarmony(std::u16string& text) {
  char16_t previous = 0;
  char16_t current = 0;
  for (char16_t& c : text) {
    if (c == u' ') {
      previous = current = 0;
      continue;
    }
    if (!IsVowelChar(c)) continue;
    previous = current;
    current = c;
    for (const auto& row : kHarmony) {
      if (row.vowel == c && row.previous == previous) {
        c = current = row.becomes;
        break;
      }
    }
  }
  return text;
}

std::u16string JoinSuffix(std::u16string& stem, std::u16string suffix) {
  ToCodeNotation(stem);
  ToCodeNotation(suffix);
  if (stem.empty()) return {};
  char16_t first = suffix.empty() ? char16_t{0} : suffix.front();
  Assimilate(stem.back(), first);
  if (!suffix.empty()) suffix.front() = first;
  stem += suffix;
  NormalizeSakha(stem);
  ApplyVowelHarmony(stem);
  return stem;
}

std::u16string MakeWordForm(const std::u16string& word, int32_t caseNum, int32_t number, int32_t person) {
  if (word.empty() || (number != 1 && number != 2) || person < 0 || person > 6) return {};
  std::u16string w = FirstWord(word);
  if (number == 2) w = Join(w, kPlural);
  if (caseNum == 2 && person > 0) return {};
  if ((caseNum == 1 && person == 0) || caseNum < 1 || caseNum > 8) return w;
  return Join(w, CaseSuffix(caseNum, person));
}

std::vector<std::u16string> WordFormSuffixes() {
  std::vector<std::u16string> all{std::u16string(kPlural)};
  for (int32_t caseNum = 1; caseNum <= 8; ++caseNum) {
    for (int32_t person = 0; person <= 6; ++person) {
      if ((caseNum == 1 && person == 0) || (caseNum == 2 && person > 0)) continue;
      const std::u16string suffix = CaseSuffix(caseNum, person);
      for (std::u16string s : {suffix, std::u16string(kPlural) + suffix})
        if (std::find(all.begin(), all.end(), s) == all.end()) all.push_back(std::move(s));
    }
  }
  return all;
}

}  // namespace sahdict
