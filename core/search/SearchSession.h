#pragma once
// One keystroke of the incremental search, shared by the lookup window and the
// command-line tool: what the search box shows after an edit, which entry of
// the pair the word list selects, and what the suggestion line offers. Each is
// computed once per keystroke.

#include <cstdint>
#include <string>
#include <vector>

#include "core/dict/DictStore.h"
#include "core/search/ListOrder.h"
#include "core/search/Suggest.h"
#include "core/text/TextBox.h"

namespace sahdict {

struct SearchOptions {
  // For a Sakha source, read real Sakha letters and Cyrillic capitals as typed
  // (TypedSakhaLetters) before the rewrite: the search box of a window.
  bool SakhaLetters = false;
  // Find the suggestion line's alternatives too.
  bool Alternatives = true;
  // For a Sakha source, find the row of a list in Sakha alphabetical order
  // (SakhaOrder) as well.
  bool SakhaOrder = false;
  // Search the text without the spaces and tabs around it (pasted text).
  bool TrimSpaces = false;
  // Offer words of the store's other pairs too (SuggestKind::OtherPair).
  bool OtherPairs = false;
};

struct SearchResult {
  // True when the box is to show `box` (the pair's source is Sakha); false
  // leaves the box exactly as the edit left it (then `box` is the input).
  bool rewritten = false;
  TextBox box;
  // The text searched: box.text, with options.TrimSpaces without the spaces
  // and tabs around it.
  std::u16string text;
  // 1-based position within the pair of the first entry whose Word is not
  // below text; 0 when there is none.
  int32_t position = 0;
  // The list row to select: position - 1, or with options.SakhaOrder for a
  // Sakha source the first row of SakhaOrder not below text; -1 for none.
  int32_t row = -1;
  // The suggestion line for text (see Suggester::Suggest); empty when the
  // options ask for none.
  std::vector<Alternative> alternatives;
};

// Runs keystrokes against any store and pair; the alternatives' tables are
// kept between keystrokes and rebuilt after the store changes. Not for use
// from two threads at once.
class SearchSession {
 public:
  // The search for the box after an edit. For a Sakha source the text is
  // rewritten into its canonical form (CanonicalSakha, after TypedSakhaLetters
  // with options.SakhaLetters); other sources search the text as it is.
  SearchResult Search(const DictStore& store, const std::u16string& pair, const TextBox& box,
                      const SearchOptions& options = {});

  // Builds the pair's tables now, so that no later keystroke waits for them.
  void Prepare(const DictStore& store, const std::u16string& pair) { suggester_.Prepare(store, pair); }

  // The rows of a Sakha source's list in Sakha alphabetical order.
  std::shared_ptr<const RowOrder> SakhaOrder(const DictStore& store, const std::u16string& pair) {
    return orders_.SakhaOrder(store, pair);
  }

 private:
  Suggester suggester_;
  ListOrders orders_;
};

}  // namespace sahdict
