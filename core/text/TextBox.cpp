#include "core/text/TextBox.h"

#include <algorithm>

#include "core/text/mdlSah.h"

namespace sahdict {
namespace {

int32_t Length(const std::u16string& text) { return static_cast<int32_t>(text.size()); }

// A rewrite of a text in place, returning it.
using Rewrite = std::u16string& (*)(std::u16string&);

TextBox Clamped(const TextBox& box) {
  TextBox out = box;
  out.caret = std::clamp(box.caret, 0, Length(box.text));
  out.selLength = std::clamp(box.selLength, 0, Length(box.text) - out.caret);
  return out;
}

// The box whose text `settle` rewrote. The caret and the selection are
// measured after `once` rewrote what stood before the caret and what was
// selected, then held within the settled text.
TextBox Rewritten(const TextBox& typed, Rewrite settle, Rewrite once) {
  const TextBox box = Clamped(typed);
  const auto measured = [&](int32_t from, int32_t length) {
    std::u16string piece = box.text.substr(static_cast<size_t>(from), static_cast<size_t>(length));
    return Length(once(piece));
  };
  TextBox out{box.text};
  settle(out.text);
  out.caret = std::min(measured(0, box.caret), Length(out.text));
  out.selLength = std::min(measured(box.caret, box.selLength), Length(out.text) - out.caret);
  return out;
}

}  // namespace

// Each character maps on its own, so the pieces add up.
TextBox TypedSakhaLetters(const TextBox& box) { return Rewritten(box, SakhaLettersToNotation, SakhaLettersToNotation); }

TextBox CanonicalSakha(const TextBox& box) { return Rewritten(box, NormalizeSakhaSettled, NormalizeSakha); }

TextBox SakhaLettersShown(const TextBox& box) {
  return Rewritten(box, NotationToSakhaLetters, NotationToSakhaLetters);
}

}  // namespace sahdict
