// suggest: the alternatives of the lookup window's suggestion line; search: the
// articles whose text holds a word.
#include <ostream>

#include "core/dict/DictStore.h"
#include "core/search/FullText.h"
#include "core/search/SearchSession.h"
#include "core/text/mdlCommon.h"
#include "tools/DictLoading.h"
#include "tools/Tool.h"

namespace sahdict::tool {

namespace {

Command Suggest() {
  return DictFileCommand("suggest", "FILE PAIR TEXT|-",
                         "the suggestion line for TEXT: kind, k, Word, detail lines, then --", 3,
                         [](DictStore& store, const LoadResult&, const std::vector<std::string>& args, Io& io) {
                           const std::u16string pair = FromUtf8(args[1]);
                           SearchSession session;
                           return ForEachItem(args[2], io, [&](const std::u16string& item) {
                             // Typed into the window's box: real letters read, the caret after the text.
                             const TextBox typed{item, static_cast<int32_t>(item.size()), 0};
                             const std::vector<Alternative> found =
                                 session.Search(store, pair, typed, {.SakhaLetters = true}).alternatives;
                             for (const Alternative& a : found) {
                               WriteText(io.out, SuggestKindName(a.Kind));
                               io.out << '\t' << a.Position << '\t';
                               WriteText(io.out, a.Word);
                               io.out << '\t';
                               WriteText(io.out, AlternativeDetail(a));
                               io.out << '\n';
                             }
                             io.out << "--\n";
                             return found.empty() ? int{kProblems} : int{kOk};
                           });
                         });
}

}  // namespace

Command SearchArticles() {
  return DictFileCommand("search", "FILE WORD", "every article whose text holds WORD in any form: k, pair, Word, snippet",
                         2, [](DictStore& store, const LoadResult&, const std::vector<std::string>& args, Io& io) {
                           const FullTextIndex index(store);
                           const std::vector<FullTextHit> hits = index.Search(FromUtf8(args[1]));
                           for (const FullTextHit& h : hits) {
                             io.out << h.Position << '\t';
                             WriteText(io.out, h.Pair + u'\t' + h.Word + u'\t' + h.Snippet);
                             io.out << '\n';
                           }
                           return hits.empty() ? int{kProblems} : int{kOk};
                         });
}

std::vector<Command> SuggestCommands() { return {Suggest(), SearchArticles()}; }

}  // namespace sahdict::tool
