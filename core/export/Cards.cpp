#include "core/export/Cards.h"

#include "core/export/ArticleModel.h"
#include "core/text/mdlCommon.h"
#include "core/text/mdlSah.h"

namespace sahdict::exporting {
namespace {

std::string Field(std::u16string text) {
  for (char16_t& c : text)
    if (c == u'\t' || c == u'\r' || c == u'\n') c = u' ';
  text = TrimSpaces(text);
  if (text.find(u'"') == std::u16string::npos) return ToUtf8(text);
  ReplaceAll(text, u"\"", u"\"\"");
  return ToUtf8(u"\"" + text + u"\"");
}

}  // namespace

std::string CardsTsv(const std::vector<CardWord>& words) {
  std::string out = "#separator:tab\n#html:false\n";
  for (const CardWord& w : words) {
    // A derived entry's Word ends with " (headword)": the card shows the word alone.
    std::u16string word = w.word.substr(0, w.word.find(u" ("));
    if (IsSakhaSource(w.pair)) NotationToSakhaLetters(word);
    std::u16string translation, example;
    for (const Block& block : ParseTranslation(w.entry.Translation, false)) {
      if (block.Kind == BlockKind::Example) {
        if (example.empty()) example = ExampleLine(block);
        continue;
      }
      if (!translation.empty()) translation += u' ';
      translation += block.Text;
    }
    out += Field(word) + '\t' + Field(translation) + '\t' + Field(example) + '\n';
  }
  return out;
}

}  // namespace sahdict::exporting
