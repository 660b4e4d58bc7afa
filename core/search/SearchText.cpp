#include "core/search/SearchText.h"

#include "core/text/mdlSah.h"

namespace sahdict {

namespace {

char16_t FoldChar(char16_t c, bool sakha) {
  if (sakha && (c == u'О' || c == u'У' || c == u'O' || c == u'Y')) return c;
  if (c == u'ё' || c == u'Ё') return u'е';
  if (c >= u'А' && c <= u'Я') return static_cast<char16_t>(c + 0x20);
  if (c >= u'Ѐ' && c <= u'Џ') return static_cast<char16_t>(c + 0x50);
  if (c >= u'A' && c <= u'Z') return static_cast<char16_t>(c + 0x20);
  return c;
}

}  // namespace

std::u16string FoldSearchText(const std::u16string& text, bool sakha) {
  std::u16string folded;
  folded.reserve(text.size());
  for (char16_t c : text)
    if (c != u'\u0301' && c != u'\u0300') folded += FoldChar(c, sakha);
  return folded;
}

std::u16string WordBase(const std::u16string& word) {
  if (word.empty() || word.back() != u')') return word;
  const size_t open = word.find(u" (");
  return open == std::u16string::npos ? word : word.substr(0, open);
}

std::u16string ShownWord(const std::u16string& word, bool sakhaLetters) {
  if (!sakhaLetters) return word;
  std::u16string shown = WordBase(word);
  const size_t headword = shown.size();
  NotationToSakhaLetters(shown);
  return shown + word.substr(headword);
}

}  // namespace sahdict
