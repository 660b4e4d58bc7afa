#pragma once
// One step of the incremental search, shared by the lookup window and the
// command-line tool: what the search box shows after an edit, and which entry
// of the pair the word list selects.

#include <cstdint>
#include <string>

#include "core/dict/DictStore.h"

namespace sahdict {

// The search box: its text, the caret and the selection.
struct SearchBoxState {
  std::u16string text;
  int32_t caret = 0;      // characters before the caret; the selection's start when text is selected
  int32_t selLength = 0;  // characters selected from the caret on
};

struct SearchStep {
  // True when the box is to show `box` (the pair's source is "SAH"); false
  // leaves the box exactly as the edit left it (then `box` is the input).
  bool rewritten = false;
  SearchBoxState box;
  // 1-based position within the pair of the first entry whose Word is not
  // below box.text; 0 when there is none.
  int32_t position = 0;
};

// Choices of the search step; the defaults give the step of the command line.
struct SearchStepOptions {
  // For a "SAH" source, read real Sakha letters and Cyrillic capitals as typed
  // (SakhaLettersToNotation) before the rewrite: the search box of a window.
  bool SakhaLetters = false;
};

// Runs the search for the box after an edit. For a "SAH" source the text is
// rewritten with NormalizeSakha until it no longer changes (at most 64
// rounds); the caret lands after the canonical form of what stood before it
// and the selection spans the canonical form of the selected text, both
// measured after a single rewrite and then held within the final text (a
// caret or selection outside the input counts as clamped to it). With
// options.SakhaLetters the typed letters are mapped first, the caret landing
// after the mapping of what stood before it and the selection spanning the
// mapping of the selected text; the rewrite then measures from there. Other
// sources search the text as it is and return the box unchanged.
SearchStep RunSearchStep(const DictStore& store, const std::u16string& pair, const SearchBoxState& box,
                         const SearchStepOptions& options = {});

}  // namespace sahdict
