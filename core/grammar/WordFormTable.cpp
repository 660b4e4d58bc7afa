#include "core/grammar/WordFormTable.h"

#include <algorithm>

#include "core/grammar/mdlSahGrammar.h"
#include "core/text/mdlSah.h"

namespace sahdict {

const std::u16string& PersonPronoun(int32_t person) {
  // The "h" of the fourth and fifth pronoun is the Latin letter of the notation.
  static const std::array<std::u16string, 7> pronouns = {u"",        u"мин ",   u"эн ",     u"кини ",
                                                         u"биhиги ", u"эhиги ", u"кинилэр "};
  static const std::u16string none;
  return person >= 1 && person <= 6 ? pronouns[static_cast<size_t>(person)] : none;
}

WordFormTable ComputeWordForms(const std::u16string& input, int16_t index, int32_t number,
                               const NounFormMaker& makeForm) {
  WordFormTable view;
  if (index < 1 || index > 8) return view;
  const std::u16string word = input.substr(0, input.find(u' '));
  const auto make = [&](int32_t kase, int32_t n, int32_t person) {
    return word.empty() || n < 1 || n > 2 ? std::u16string() : makeForm(word, n, person, kase);
  };

  std::u16string processed = input;
  NormalizeSakha(processed);
  view.Processed = ApplyVowelHarmony(processed);

  for (int32_t p = 1; p <= 6; ++p) {
    const std::u16string form = make(1, number, p);
    if (!form.empty()) view.Form[static_cast<size_t>(p)] = PersonPronoun(p) + form;
  }
  view.Form[7] = make(1, 1, 0);
  view.Form[8] = make(1, 2, 0);

  // A number option selects no possessor for the case column.
  const int32_t possessor = index <= 6 ? index : 0;
  for (int32_t k = 1; k <= 8; ++k) view.Form[static_cast<size_t>(8 + k)] = make(k, number, possessor);

  // Before the first number is chosen, number + 6 is 6: the same box the
  // window has always made bold in that state.
  if (number + 6 >= 1 && number + 6 <= 8) view.Bold[static_cast<size_t>(number + 6)] = true;
  view.Bold[static_cast<size_t>(index)] = true;
  return view;
}

std::u16string FormCaption(int32_t number, int32_t person, int32_t kase) {
  std::u16string text = kNumberCaptions[number == 2 ? 2 : 1];
  if (person >= 1 && person <= 6) {
    text += u", " + std::u16string(kPersonCaptions[1 + (person - 1) % 3]);
    if (person > 3) text += u" мн.";
  }
  if (kase >= 1 && kase <= 8) text += u", " + std::u16string(kCaseQuestions[kase]);
  return text;
}

std::u16string ShownCaption(std::u16string caption, bool sakhaLetters) {
  if (sakhaLetters) std::replace(caption.begin(), caption.end(), u'5', u'ҕ');
  return caption;
}

}  // namespace sahdict
