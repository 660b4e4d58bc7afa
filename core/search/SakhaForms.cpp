#include "core/search/SakhaForms.h"

#include <string_view>
#include <vector>

#include "core/grammar/mdlSahGrammar.h"
#include "core/text/mdlSah.h"

namespace sahdict {

namespace {

// One letter of a pattern: the spellings it may take in the typed text.
using Letter = std::vector<std::u16string>;
using Pattern = std::vector<Letter>;

const Letter kLowVowel = {u"а", u"э", u"о", u"O"};
const Letter kHighVowel = {u"ы", u"и", u"у", u"Y"};
const Letter kLongLowVowel = {u"ыа", u"иэ", u"уа", u"Yэ"};  // "ыа" after harmony
const Letter kLinking = {u"т", u"н"};

bool IsCodeVowel(char16_t c) { return std::u16string_view(u"12689OYаоеэуиы").find(c) != std::u16string_view::npos; }

// The code form split into letters: "77" (ннь) is one letter, any other
// character one letter each.
std::vector<std::u16string> CodeLetters(std::u16string text) {
  ToCodeNotation(text);
  std::vector<std::u16string> letters;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'7' && i + 1 < text.size() && text[i + 1] == u'7') {
      letters.emplace_back(u"77");
      ++i;
    } else {
      letters.emplace_back(1, text[i]);
    }
  }
  return letters;
}

// The canonical spelling of one code letter.
std::u16string Spelling(std::u16string letter) { return NormalizeSakha(letter); }

Letter VowelLetter(const std::u16string& code) {
  if (code == u"а") return kLowVowel;
  if (code == u"ы") return kHighVowel;
  if (code == u"1") return kLongLowVowel;
  return {Spelling(code)};
}

// The word as a pattern: harmony may change its vowels, the seam its last consonant.
Pattern StemPattern(const std::u16string& word) {
  const std::vector<std::u16string> letters = CodeLetters(word);
  Pattern pattern;
  for (size_t i = 0; i < letters.size(); ++i) {
    Letter letter = VowelLetter(letters[i]);
    if (i + 1 == letters.size()) {
      static const std::pair<std::u16string_view, Letter> kSeamLast[] = {
          {u"к", {u"г"}}, {u"п", {u"б"}}, {u"с", {u"h"}}, {u"х", {u"5"}}, {u"н", {u"м", u"н'"}}, {u"т", {u"п", u"к"}},
      };
      for (const auto& [last, changed] : kSeamLast)
        if (letters[i] == last) letter.insert(letter.end(), changed.begin(), changed.end());
    }
    pattern.push_back(std::move(letter));
  }
  return pattern;
}

// A suffix of the tables as a pattern: harmony classes for its vowels, every
// seam spelling for its consonants.
Pattern SuffixPattern(const std::u16string& suffix) {
  Pattern pattern;
  for (const std::u16string& code : CodeLetters(suffix)) {
    if (code == u"л")
      pattern.push_back({u"л", u"т", u"д", u"н"});
    else if (code == u"б")
      pattern.push_back({u"б", u"п", u"м"});
    else if (code == u"5")
      pattern.push_back({u"5", u"г", u"к", u"х", u"н'"});
    else
      pattern.push_back(VowelLetter(code));
  }
  return pattern;
}

// The suffixes as patterns: `plain` after any word; `afterVowel` adds, for a
// word that ends in a vowel, each vowel-initial suffix without its first vowel
// and with a linking consonant in front of it.
struct SuffixPatterns {
  std::vector<Pattern> plain;
  std::vector<Pattern> afterVowel;
};

const SuffixPatterns& Suffixes() {
  static const SuffixPatterns patterns = [] {
    SuffixPatterns p;
    for (const std::u16string& suffix : WordFormSuffixes()) {
      Pattern pattern = SuffixPattern(suffix);
      p.plain.push_back(pattern);
      p.afterVowel.push_back(pattern);
      if (!IsCodeVowel(CodeLetters(suffix).front().front())) continue;
      if (pattern.size() > 1) p.afterVowel.emplace_back(pattern.begin() + 1, pattern.end());
      pattern.insert(pattern.begin(), kLinking);
      p.afterVowel.push_back(std::move(pattern));
    }
    return p;
  }();
  return patterns;
}

// True when pattern letters from `i` on spell `text` from `pos` to its end
// (`whole`), or any prefix of it (`!whole`, the ends found go to `ends`).
bool Match(const Pattern& pattern, size_t i, std::u16string_view text, size_t pos, bool whole,
           std::vector<size_t>* ends) {
  if (i == pattern.size()) {
    if (!whole) ends->push_back(pos);
    return pos == text.size();
  }
  bool any = false;
  for (const std::u16string& spelling : pattern[i]) {
    if (text.substr(pos, spelling.size()) != spelling) continue;
    if (Match(pattern, i + 1, text, pos + spelling.size(), whole, ends)) {
      any = true;
      if (whole) return true;
    }
  }
  return any;
}

bool MatchesRest(const Pattern& pattern, std::u16string_view rest) { return Match(pattern, 0, rest, 0, true, nullptr); }

}  // namespace

std::optional<WordFormNumbers> FindGeneratedForm(const std::u16string& word, const std::u16string& text) {
  for (int32_t number = 1; number <= 2; ++number)
    for (int32_t person = 0; person <= 6; ++person)
      for (int32_t caseNum = 1; caseNum <= 8; ++caseNum)
        if (MakeWordForm(word, caseNum, number, person) == text) return WordFormNumbers{number, person, caseNum};
  return std::nullopt;
}

bool IsSuffixedForm(const std::u16string& word, const std::u16string& text) {
  const Pattern stem = StemPattern(word);
  if (stem.empty()) return false;
  std::vector<size_t> ends;
  Match(stem, 0, text, 0, false, &ends);
  const bool vowelFinal = IsCodeVowel(CodeLetters(word).back().front());
  const std::vector<Pattern>& suffixes = vowelFinal ? Suffixes().afterVowel : Suffixes().plain;
  for (size_t end : ends) {
    const std::u16string_view rest = std::u16string_view(text).substr(end);
    if (rest.empty()) continue;
    for (const Pattern& suffix : suffixes)
      if (MatchesRest(suffix, rest)) return true;
  }
  return false;
}

std::u16string HarmonyKey(std::u16string_view code) {
  std::u16string key(code);
  for (char16_t& c : key) {
    if (std::u16string_view(u"аэоO").find(c) != std::u16string_view::npos)
      c = u'A';
    else if (std::u16string_view(u"ыиуY").find(c) != std::u16string_view::npos)
      c = u'I';
    else if (std::u16string_view(u"1269").find(c) != std::u16string_view::npos)
      c = u'D';
  }
  return key;
}

}  // namespace sahdict
