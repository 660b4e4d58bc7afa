#include "ui/wordforms/PluginCommands.h"

#include "core/dict/LangTable.h"
#include "core/langcheck/CheckWordLanguage.h"
#include "ui/article/frmMsg.h"
#include "ui/wordforms/InputBox.h"

namespace sahdict::ui {

void OpenWordForms() {
  // The word-forms window is added in the next change.
}

void ShowDictionaryInfo(const DictStore& store) { Msg(DictionaryStats(store), u"", 0); }

void CheckLanguage(const DictStore& store) {
  const std::u16string answer =
      InputBox(u"Введите слово на русском или якутском языке", u"Определение из какого языка слово", u"");
  const LangCheckResult result = CheckWordLanguage(answer, store);
  Msg(result.Text, u"Проверка языка слова", result.Compact ? 1 : 0);
}

}  // namespace sahdict::ui
