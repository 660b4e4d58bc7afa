#include "ui/lookup/PluginMenu.h"

#include "core/dict/DictionaryStats.h"
#include "core/langcheck/CheckWordLanguage.h"
#include "core/text/mdlSah.h"
#include "ui/common/InputBox.h"
#include "ui/common/Settings.h"
#include "ui/common/frmMsg.h"
#include "ui/wordforms/frmVerbForms.h"
#include "ui/wordforms/frmWordForms.h"

namespace sahdict::ui {

void OpenWordForms(const DictStore& store) {
  if (frmWordForms::LoadedWindow() != nullptr) return;
  // The window shows itself at the end of its load, after the notice.
  (new frmWordForms(store))->Form_Load();
}

void OpenVerbForms(const DictStore& store) {
  if (frmVerbForms* open = frmVerbForms::LoadedWindow()) {
    open->raise();
    open->activateWindow();
    return;
  }
  (new frmVerbForms(store))->Form_Load();
}

void ShowDictionaryInfo(const DictStore& store) { Msg(DictionaryStats(store), u"", 0); }

void CheckLanguage(const DictStore& store) {
  std::u16string answer =
      InputBox(u"Введите слово на русском или якутском языке", u"Определение из какого языка слово", u"");
  // The word may be Russian: its capitals stay.
  RealLettersToNotation(answer);
  const LangCheckResult result = CheckWordLanguage(answer, store, Settings::Instance().SakhaLetters());
  Msg(result.Text, kCheckLangCaption, result.Compact ? 1 : 0);
}

}  // namespace sahdict::ui
