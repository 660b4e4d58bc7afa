#include "core/search/SearchStep.h"

#include <algorithm>

#include "core/dict/DictEntry.h"
#include "core/text/mdlSah.h"

namespace sahdict {
namespace {

int32_t Length(const std::u16string& text) { return static_cast<int32_t>(text.size()); }

// A rewrite of a text in place, returning it.
using Rewrite = std::u16string& (*)(std::u16string&);

// The box with the caret and the selection held within its text.
SearchBoxState Clamped(const SearchBoxState& box) {
  SearchBoxState out = box;
  out.caret = std::clamp(box.caret, 0, Length(box.text));
  out.selLength = std::clamp(box.selLength, 0, Length(box.text) - out.caret);
  return out;
}

// The box whose text `settle` rewrote. The caret and the selection are
// measured after `once` rewrote what stood before the caret and what was
// selected, then held within the settled text.
SearchBoxState Rewritten(const SearchBoxState& typed, Rewrite settle, Rewrite once) {
  const SearchBoxState box = Clamped(typed);
  const auto measured = [&](int32_t from, int32_t length) {
    std::u16string piece = box.text.substr(static_cast<size_t>(from), static_cast<size_t>(length));
    return Length(once(piece));
  };
  SearchBoxState out{box.text};
  settle(out.text);
  out.caret = std::min(measured(0, box.caret), Length(out.text));
  out.selLength = std::min(measured(box.caret, box.selLength), Length(out.text) - out.caret);
  return out;
}

// Real letters mapped into the notation; each character maps on its own, so
// the pieces add up.
SearchBoxState MappedLetters(const SearchBoxState& typed) {
  return Rewritten(typed, SakhaLettersToNotation, SakhaLettersToNotation);
}

// The canonical box: the caret and the selection as a single rewrite of the
// text as typed places them.
SearchBoxState Canonical(const SearchBoxState& typed) { return Rewritten(typed, NormalizeSakhaSettled, NormalizeSakha); }

}  // namespace

SearchStep RunSearchStep(const DictStore& store, const std::u16string& pair, const SearchBoxState& box,
                         const SearchStepOptions& options) {
  SearchStep step;
  step.rewritten = PairFrom(pair) == u"SAH";
  step.box = step.rewritten ? Canonical(options.SakhaLetters ? MappedLetters(box) : box) : box;
  step.position = store.FindFirstEntry(step.box.text, pair);
  return step;
}

}  // namespace sahdict
