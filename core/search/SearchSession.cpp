#include "core/search/SearchSession.h"

#include "core/dict/DictEntry.h"

namespace sahdict {

SearchResult SearchSession::Search(const DictStore& store, const std::u16string& pair, const TextBox& box,
                                   const SearchOptions& options) {
  SearchResult result;
  result.rewritten = IsSakhaSource(pair);
  result.box = result.rewritten ? CanonicalSakha(options.SakhaLetters ? TypedSakhaLetters(box) : box) : box;
  result.position = store.FindFirstEntry(result.box.text, pair);
  result.row = options.SakhaOrder && result.rewritten ? orders_.SakhaOrder(store, pair)->FirstRow(result.box.text)
                                                      : result.position - 1;
  if (options.Alternatives)
    result.alternatives = suggester_.Suggest(store, pair, result.box.text, result.position);
  return result;
}

}  // namespace sahdict
