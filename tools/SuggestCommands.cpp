// suggest: the alternatives of the lookup window's suggestion line.
#include <ostream>

#include "core/dict/DictStore.h"
#include "core/search/Suggest.h"
#include "core/text/mdlCommon.h"
#include "core/text/mdlSah.h"
#include "tools/DictLoading.h"
#include "tools/Tool.h"

namespace sahdict::tool {

namespace {

Command Suggest() {
  return DictFileCommand("suggest", "FILE PAIR TEXT|-",
                         "the suggestion line for TEXT: kind, k, Word, detail lines, then --", 3,
                         [](DictStore& store, const LoadResult&, const std::vector<std::string>& args, Io& io) {
                           const std::u16string pair = FromUtf8(args[1]);
                           Suggester suggester;
                           return ForEachItem(args[2], io, [&](const std::u16string& item) {
                             // The box's own rewriting: real letters and the canonical form for a Sakha source.
                             std::u16string text = item;
                             if (PairFrom(pair) == u"SAH") TypedSakhaToNotation(text);
                             const std::vector<Alternative> found = suggester.Suggest(store, pair, text);
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

std::vector<Command> SuggestCommands() { return {Suggest()}; }

}  // namespace sahdict::tool
