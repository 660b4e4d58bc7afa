#include "core/search/SearchSession.h"

#include "core/dict/DictEntry.h"

namespace sahdict {

SearchResult SearchSession::Search(const DictStore& store, const std::u16string& pair, const TextBox& box,
                                   const SearchOptions& options) {
  SearchResult result;
  result.rewritten = IsSakhaSource(pair);
  result.box = result.rewritten ? CanonicalSakha(options.SakhaLetters ? TypedSakhaLetters(box) : box) : box;
  result.text = result.box.text;
  if (options.TrimSpaces) {
    const size_t first = result.text.find_first_not_of(u" \t");
    result.text = first == std::u16string::npos
                      ? std::u16string()
                      : result.text.substr(first, result.text.find_last_not_of(u" \t") - first + 1);
  }
  result.position = store.FindFirstEntry(result.text, pair);
  result.row = options.SakhaOrder && result.rewritten ? orders_.SakhaOrder(store, pair)->FirstRow(result.text)
                                                      : result.position - 1;
  if (options.Alternatives)
    result.alternatives = suggester_.Suggest(store, pair, result.text, result.position, options.OtherPairs);
  return result;
}

}  // namespace sahdict
