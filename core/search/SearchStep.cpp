#include "core/search/SearchStep.h"

#include <algorithm>

#include "core/dict/DictEntry.h"
#include "core/text/mdlSah.h"

namespace sahdict {
namespace {

int32_t Length(const std::u16string& text) { return static_cast<int32_t>(text.size()); }

int32_t NormalizedLength(std::u16string text) { return Length(NormalizeSakha(text)); }

int32_t MappedLength(std::u16string text) { return Length(SakhaLettersToNotation(text)); }

// The box with the caret and the selection held within its text.
SearchBoxState Clamped(const SearchBoxState& box) {
  SearchBoxState out = box;
  out.caret = std::clamp(box.caret, 0, Length(box.text));
  out.selLength = std::clamp(box.selLength, 0, Length(box.text) - out.caret);
  return out;
}

// The box with real letters mapped into the notation: the caret after the
// mapping of what stood before it, the selection over the mapping of the
// selected text (each character maps on its own, so the pieces add up).
SearchBoxState MappedLetters(const SearchBoxState& typed) {
  const SearchBoxState box = Clamped(typed);
  SearchBoxState out;
  out.text = box.text;
  SakhaLettersToNotation(out.text);
  out.caret = MappedLength(box.text.substr(0, static_cast<size_t>(box.caret)));
  out.selLength = MappedLength(box.text.substr(static_cast<size_t>(box.caret), static_cast<size_t>(box.selLength)));
  return out;
}

// The canonical box. The caret and the selection are measured after a single
// rewrite of the text as typed (what stood before the caret, what was
// selected), then held within the settled text.
SearchBoxState Canonical(const SearchBoxState& typed) {
  const SearchBoxState box = Clamped(typed);
  SearchBoxState out;
  out.text = box.text;
  NormalizeSakhaSettled(out.text);
  out.caret = std::min(NormalizedLength(box.text.substr(0, static_cast<size_t>(box.caret))), Length(out.text));
  out.selLength =
      std::min(NormalizedLength(box.text.substr(static_cast<size_t>(box.caret), static_cast<size_t>(box.selLength))),
               Length(out.text) - out.caret);
  return out;
}

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
