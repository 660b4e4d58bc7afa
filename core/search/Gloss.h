#pragma once
// Glossing a text: the text is cut into words (runs of letters, a hyphen
// between letters kept inside the word, anything else a separator), and each
// word gets the Word of its best entry, the analysis' description and the
// entry's first translation. A Sakha word goes through the morphology model;
// a Russian word is looked up in RUS-SAH as it stands, then through its stems.
// The tool's gloss command and the reading window share this code.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/dict/DictStore.h"

namespace sahdict {
namespace morph {
class SakhaMorphology;
}

// A word of a text: its place, in UTF-16 units.
struct TextWord {
  size_t Offset = 0;
  size_t Length = 0;
};

// What a word is made of: letters only, or also the notation's "5" and the
// apostrophe of "н'" once a word has begun (a word never begins with them).
enum class WordChars { Letters, Notation };

// The words of `text` from `from` on, at most `limit` of them; `from` is moved
// past the last word returned (to the text's end when fewer are left), so that
// a long text can be cut into steps.
std::vector<TextWord> SplitWords(std::u16string_view text, size_t& from, size_t limit = SIZE_MAX,
                                 WordChars chars = WordChars::Letters);

// What a word glosses to; all empty (Position 0) when the word has no
// analysis and no entry.
struct GlossLine {
  std::u16string Lemma;        // the entry's Word
  std::u16string Description;  // the analysis (Sakha), "stem" (a Russian stem's entry) or empty
  std::u16string Translation;  // the entry's first translation
  std::u16string Pair;         // the entry's pair
  int32_t Position = 0;        // the entry's position in Pair, 1-based

  bool Known() const { return Position != 0; }
};

// Glosses words against one dictionary; each distinct spelling is worked out
// once.
class Glosser {
 public:
  explicit Glosser(const DictStore& store);
  ~Glosser();
  Glosser(const Glosser&) = delete;
  Glosser& operator=(const Glosser&) = delete;

  const GlossLine& Of(const std::u16string& word);

 private:
  GlossLine Compute(const std::u16string& word) const;
  GlossLine FromEntry(int32_t k, const std::u16string& pair, std::u16string description) const;
  int32_t RussianEntry(const std::u16string& word) const;

  const DictStore& store_;
  std::unique_ptr<morph::SakhaMorphology> model_;
  std::unordered_map<std::u16string, GlossLine> cache_;
};

}  // namespace sahdict
