#pragma once
// The commands of the lookup window's "Plugins" menu.

namespace sahdict {
class DictStore;
}

namespace sahdict::ui {

// "Словоформы": opens the word-forms window over the Sakha words of `store`;
// does nothing while it is open.
void OpenWordForms(const DictStore& store);
// "Формы глагола": opens the verb-forms window over `store`, or raises it.
void OpenVerbForms(const DictStore& store);
// "Инфо о словаре": the statistics report of the store through Msg.
void ShowDictionaryInfo(const DictStore& store);
// "Язык слова": asks for a word and shows the language check through Msg.
// Real Sakha letters in the answer are read as the notation.
void CheckLanguage(const DictStore& store);

}  // namespace sahdict::ui
