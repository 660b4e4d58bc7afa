#pragma once
// What the word-forms window shows, computed without widgets: the texts of all
// boxes and which boxes are bold, for one input, selected option and number.

#include <array>
#include <cstdint>
#include <string>

namespace sahdict::ui {

// Index of the processed box (the input in canonical form with vowel harmony).
constexpr int16_t ProcessedFormIndex = 100;

struct WordFormsView {
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

// The boxes for `input` with option `index` (1..8) selected and `number`
// (1 singular, 2 plural; 0 before the first number is chosen, which gives
// empty number-dependent boxes). Boxes 1..6 hold the possessive forms of the
// chosen number with their pronouns, 7 and 8 the nominative singular and
// plural, 9..16 the eight cases with the possessor `index` when it is 1..6.
// The box of the current number and the box of `index` are bold.
// An index outside 1..8 gives an all-empty view.
WordFormsView ComputeWordForms(const std::u16string& input, int16_t index, int32_t number);

// The notice shown before the window opens (lines joined by CR LF).
const std::u16string& WordFormsWarningText();
// The text of "О программе" (lines joined by CR LF).
const std::u16string& WordFormsAboutText();

}  // namespace sahdict::ui
