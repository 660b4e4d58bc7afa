#include "core/text/mdlSah.h"

#include <algorithm>
#include <iterator>
#include <string_view>
#include <utility>

#include "core/text/Cp1251.h"
#include "core/text/mdlCommon.h"

namespace sahdict {
namespace {

using Step = std::pair<std::u16string_view, std::u16string_view>;

// Order matters: each step sees what the steps before it produced.
constexpr Step kCodeSteps[] = {
    {u"ннь", u"77"}, {u"нь", u"7"}, {u"дь", u"3"}, {u"нг", u"4"}, {u"н'", u"4"}, {u"n", u"4"},
    {u"ь", u"h"},    {u"8", u"O"},  {u"О", u"O"},  {u"У", u"Y"},  {u"ыа", u"1"}, {u"иэ", u"2"},
    {u"уо", u"6"},   {u"YO", u"9"}, {u"я", u"йа"}, {u"ё", u"йо"}, {u"ю", u"йу"},
};

constexpr Step kExpandSteps[] = {
    {u"77", u"ннь"}, {u"7", u"нь"}, {u"3", u"дь"}, {u"4", u"н'"},
    {u"1", u"ыа"},   {u"2", u"иэ"}, {u"6", u"уо"}, {u"9", u"YO"},
};

// Real Sakha letters and their spellings in the notation, both directions.
constexpr Step kLetterSteps[] = {
    {u"ҥ", u"н'"}, {u"ҕ", u"5"}, {u"ө", u"O"}, {u"ү", u"Y"}, {u"һ", u"h"},
};

// A typed letter as the notation reads it: the capitals of the real Sakha
// letters and the Cyrillic capitals other than "О" and "У" lowered.
constexpr std::u16string_view kSakhaCapitals = u"ҤҔӨҮҺ";
constexpr std::u16string_view kSakhaSmall = u"ҥҕөүһ";

char16_t TypedLetter(char16_t c, bool lowerCapitals) {
  const size_t at = kSakhaCapitals.find(c);
  if (at != std::u16string_view::npos) return kSakhaSmall[at];
  if (!lowerCapitals) return c;
  if (c >= u'Ѐ' && c <= u'Џ') return static_cast<char16_t>(c + 0x50);
  if (c >= u'А' && c <= u'Я' && c != u'О' && c != u'У') return static_cast<char16_t>(c + 0x20);
  return c;
}

std::u16string& MapTypedLetters(std::u16string& text, bool lowerCapitals) {
  std::u16string out;
  out.reserve(text.size() + 4);
  for (char16_t typed : text) {
    const char16_t c = TypedLetter(typed, lowerCapitals);
    const auto* step = std::find_if(std::begin(kLetterSteps), std::end(kLetterSteps),
                                    [c](const Step& s) { return s.first.front() == c; });
    out += step == std::end(kLetterSteps) ? std::u16string_view(&c, 1) : step->second;
  }
  text = std::move(out);
  return text;
}

template <size_t N>
void ApplySteps(std::u16string& text, const Step (&steps)[N]) {
  for (const auto& [search, replace] : steps)
    ReplaceAll(text, std::u16string(search), std::u16string(replace));
}

bool InSakhaSet(char16_t c) {
  switch (c) {
    case u'+': case u'-': case u' ': case u'h': case u'О': case u'\'': case u'O': case u'У': case u'Y':
      return true;
    default:
      break;
  }
  const uint8_t code = Cp1251Code(c);
  return (code >= 48 && code <= 57) || code >= 224;
}

bool InRussianSet(char16_t c) {
  switch (c) {
    case u'+': case u'-': case u'Ё': case u'ё': case u' ':
      return true;
    default:
      break;
  }
  return Cp1251Code(c) >= 192;
}

template <typename InSet>
void Mark(std::u16string& text, InSet inSet) {
  for (char16_t& c : text)
    if (!inSet(c)) c = u'?';
}

void RemoveMarks(std::u16string& text) {
  text.erase(std::remove(text.begin(), text.end(), u'?'), text.end());
}

}  // namespace

std::u16string& ToCodeNotation(std::u16string& text) {
  ApplySteps(text, kCodeSteps);
  return text;
}

std::u16string& NormalizeSakha(std::u16string& text) {
  ToCodeNotation(text);
  ApplySteps(text, kExpandSteps);
  return text;
}

std::u16string& NormalizeSakhaSettled(std::u16string& text) {
  // The bound only guards against a rewrite that never settles.
  constexpr int kMaxRounds = 64;
  for (int round = 0; round < kMaxRounds; ++round) {
    const std::u16string before = text;
    if (NormalizeSakha(text) == before) break;
  }
  return text;
}

std::u16string& SakhaLettersToNotation(std::u16string& text) { return MapTypedLetters(text, true); }

bool IsRealSakhaLetter(char16_t c) {
  return kSakhaSmall.find(c) != std::u16string_view::npos || kSakhaCapitals.find(c) != std::u16string_view::npos;
}

bool HasRealSakhaLetter(std::u16string_view text) { return std::any_of(text.begin(), text.end(), IsRealSakhaLetter); }

std::u16string& RealLettersToNotation(std::u16string& text) {
  // Most lines of a file hold no real letter: leave them untouched.
  if (!HasRealSakhaLetter(text)) return text;
  return MapTypedLetters(text, false);
}

std::u16string& TypedSakhaToNotation(std::u16string& text) {
  return NormalizeSakhaSettled(SakhaLettersToNotation(text));
}

std::u16string& NotationToSakhaLetters(std::u16string& text) {
  NormalizeSakhaSettled(text);
  for (const auto& [letter, spelling] : kLetterSteps)
    ReplaceAll(text, std::u16string(spelling), std::u16string(letter));
  return text;
}

void MarkNonSakha(std::u16string& text) { Mark(text, InSakhaSet); }

void StripNonSakha(std::u16string& text) {
  MarkNonSakha(text);
  RemoveMarks(text);
}

void MarkNonRussian(std::u16string& text) { Mark(text, InRussianSet); }

void StripNonRussian(std::u16string& text) {
  MarkNonRussian(text);
  RemoveMarks(text);
}

const std::u16string& NotationHelpText(bool sakhaLetters) {
  // The spelling lines; "нь" and "дь" are letters of the Russian alphabet and need no prefix.
  static constexpr Step kLines[] = {{u"ҕ", u"5"},    {u"һ", u"h - ь"}, {u"ҥ", u"н' - нг - 4"}, {u"", u"нь - 7"},
                                    {u"", u"дь - 3"}, {u"ө", u"O - 8"}, {u"ү", u"Y - У"}};
  const auto text = [](bool letters) {
    std::u16string out =
        u"Внутри программы приняты следующие сокращения и обозначения для букв отсутствующих в русском языке,\r\n"
        u"вы вольны выбрать любой из видов сокращений:\r\n";
    for (const auto& [letter, spellings] : kLines)
      out += (letters && !letter.empty() ? std::u16string(letter) + u" - " : u"") + std::u16string(spellings) + u"\r\n";
    return out +
           u"Все остальные цифры так же заняты под дифтонги\r\n"
           u"Также подразумевается, что все слова вы будете вводить маленькими буквами.\r\n"
           u"Первый из вариантов это тот, в котором слова будут выводиться";
  };
  static const std::u16string notation = text(false), letters = text(true);
  return sakhaLetters ? letters : notation;
}

std::span<const SakhaLetterSpelling> SakhaLetterSpellings() {
  // "O", "Y", "n" and "h" are Latin; "О" and "У" Cyrillic.
  static constexpr SakhaLetterSpelling kRows[] = {
      {u"ҥ", u"н' нг 4 n"}, {u"ҕ", u"5"},   {u"ө", u"O О 8"},
      {u"ү", u"Y У"},       {u"һ", u"h ь"}, {u"ыа иэ уо үө", u"1 2 6 9"},
  };
  return kRows;
}

}  // namespace sahdict
