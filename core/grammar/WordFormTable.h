#pragma once
// The table of Sakha noun forms that the word-forms window shows: the texts of
// its boxes and which are bold, for one input, selected option and number, and
// the captions that name each form.

#include <array>
#include <cstdint>
#include <functional>
#include <string>

namespace sahdict {

// Index of the processed box (the input in canonical form with vowel harmony).
constexpr int16_t ProcessedFormIndex = 100;

struct WordFormTable {
  // Texts of txtForm 1..16, at the same indexes; slot 0 is unused.
  std::array<std::u16string, 17> Form;
  // Text of txtForm 100.
  std::u16string Processed;
  // Bold state of txtForm 1..8, at the same indexes; slot 0 is unused.
  std::array<bool, 9> Bold{};
};

// The pronoun put before the possessive form of person 1..6, ending with a
// space ("мин ", "эн ", ...); "" for any other number.
const std::u16string& PersonPronoun(int32_t person);

// The noun form of a word for number 1..2, possessor 0..6 and case 1..8 (in
// the order of the case column); "" when there is none.
using NounFormMaker = std::function<std::u16string(const std::u16string& word, int32_t number, int32_t person,
                                                   int32_t kase)>;

// The boxes for `input` with option `index` (1..8) selected and `number`
// (1 singular, 2 plural; 0 before the first number is chosen, which gives
// empty number-dependent boxes). Boxes 1..6 hold the possessive forms of the
// chosen number with their pronouns, 7 and 8 the nominative singular and
// plural, 9..16 the eight cases with the possessor `index` when it is 1..6.
// The box of the current number and the box of `index` are bold.
// The forms are `makeForm`'s for the first word of `input` (none when the
// input begins with a space). An index outside 1..8 gives an all-empty view.
WordFormTable ComputeWordForms(const std::u16string& input, int16_t index, int32_t number,
                               const NounFormMaker& makeForm);

// The captions of the table: the number headings (1 singular, 2 plural), the
// person rows (1..3; the plural persons 4..6 share them) and the questions
// of the eight cases (1..8). Index 0 is unused.
inline constexpr const char16_t* kNumberCaptions[] = {u"", u"Единственное число", u"Множественное число"};
inline constexpr const char16_t* kPersonCaptions[] = {u"", u"1ое лицо", u"2ое лицо", u"3е лицо"};
inline constexpr const char16_t* kCaseQuestions[] = {
    u"",
    u"ким? туох?",
    u"кимнэ? туохта?",
    u"кимиэххэ? туохха?",
    u"кими? тугу?",
    u"кимтэн? туохтан?",
    u"киминэн? тугунан?",
    u"кимниин? туохтуун?",
    u"кимнээ5ер? туохтаа5ар?",
};

// A form named by the table's captions: the number's heading (1, 2), the
// person's row (1..6; the plural persons 4..6 add "мн."; 0 names none) and the
// case's question (1..8), joined by ", ".
std::u16string FormCaption(int32_t number, int32_t person, int32_t kase);

// A caption as shown: with `sakhaLetters` the notation's "5" of its Sakha
// questions becomes ҕ (its other digits are ordinals and stay).
std::u16string ShownCaption(std::u16string caption, bool sakhaLetters);

}  // namespace sahdict
