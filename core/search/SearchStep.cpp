#include "core/search/SearchStep.h"

#include <algorithm>

#include "core/dict/DictEntry.h"
#include "core/text/mdlSah.h"

namespace sahdict {
namespace {

int32_t Length(const std::u16string& text) { return static_cast<int32_t>(text.size()); }

int32_t NormalizedLength(std::u16string text) { return Length(NormalizeSakha(text)); }

// The canonical box. The caret and the selection are measured after a single
// rewrite of the text as typed (what stood before the caret, what was
// selected), then held within the settled text.
SearchBoxState Canonical(const SearchBoxState& box) {
  const int32_t caret = std::clamp(box.caret, 0, Length(box.text));
  const int32_t selLength = std::clamp(box.selLength, 0, Length(box.text) - caret);
  SearchBoxState out;
  out.text = box.text;
  NormalizeSakhaSettled(out.text);
  out.caret = std::min(NormalizedLength(box.text.substr(0, static_cast<size_t>(caret))), Length(out.text));
  out.selLength =
      std::min(NormalizedLength(box.text.substr(static_cast<size_t>(caret), static_cast<size_t>(selLength))),
               Length(out.text) - out.caret);
  return out;
}

}  // namespace

SearchStep RunSearchStep(const DictStore& store, const std::u16string& pair, const SearchBoxState& box) {
  SearchStep step;
  step.rewritten = PairFrom(pair) == u"SAH";
  step.box = step.rewritten ? Canonical(box) : box;
  step.position = store.FindFirstEntry(step.box.text, pair);
  return step;
}

}  // namespace sahdict
