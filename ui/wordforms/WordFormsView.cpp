#include "ui/wordforms/WordFormsView.h"

#include "core/grammar/mdlSahGrammar.h"
#include "core/text/ProgramIdentity.h"
#include "core/text/mdlSah.h"

namespace sahdict::ui {

const std::u16string& PersonPronoun(int32_t person) {
  // The "h" of the fourth and fifth pronoun is the Latin letter of the notation.
  static const std::array<std::u16string, 7> pronouns = {u"",        u"мин ",   u"эн ",     u"кини ",
                                                         u"биhиги ", u"эhиги ", u"кинилэр "};
  static const std::u16string none;
  return person >= 1 && person <= 6 ? pronouns[static_cast<size_t>(person)] : none;
}

WordFormsView ComputeWordForms(const std::u16string& input, int16_t index, int32_t number) {
  WordFormsView view;
  if (index < 1 || index > 8) return view;

  std::u16string processed = input;
  NormalizeSakha(processed);
  view.Processed = ApplyVowelHarmony(processed);

  for (int32_t p = 1; p <= 6; ++p) {
    const std::u16string form = MakeWordForm(input, 1, number, p);
    if (!form.empty()) view.Form[static_cast<size_t>(p)] = PersonPronoun(p) + form;
  }
  view.Form[7] = MakeWordForm(input, 1, 1, 0);
  view.Form[8] = MakeWordForm(input, 1, 2, 0);

  // A number option selects no possessor for the case column.
  const int32_t possessor = index <= 6 ? index : 0;
  for (int32_t k = 1; k <= 8; ++k) view.Form[static_cast<size_t>(8 + k)] = MakeWordForm(input, k, number, possessor);

  // Before the first number is chosen, number + 6 is 6: the same box the
  // window has always made bold in that state.
  if (number + 6 >= 1 && number + 6 <= 8) view.Bold[static_cast<size_t>(number + 6)] = true;
  view.Bold[static_cast<size_t>(index)] = true;
  return view;
}

const std::u16string& WordFormsWarningText() {
  static const std::u16string text =
      u"Внимание!\r\n"
      u"Это только пробный вариант - мы не гарантируем правильности генерируемых слов.\r\n"
      u"Более того, правильных слов не так уж и много.\r\n"
      u"Однако, мы будем благодарны вам, если вы сообщите о всех правильных и неправильных словах, что были "
      u"сгенерированы данной утилитой. После этого ваши данные будут обработаны, и как только накопленная база "
      u"данных станет достаточно большой мы сможем внести положительные изменения в алгоритмы генерации.\r\n"
      u"\r\n"
      u"Заранее спасибо.";
  return text;
}

const std::u16string& WordFormsAboutText() {
  static const std::u16string text = u"Программа \"" + kWordFormsTitle +
                                     u"\"\r\n"
                                     u"Создает все словоформы заранее заданного слова\r\n" +
                                     kContactAddress + u"\r\n" + kWebAddress;
  return text;
}

}  // namespace sahdict::ui
