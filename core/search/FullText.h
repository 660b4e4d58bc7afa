#pragma once
// Search inside articles: an inverted index over the store's article texts.
//
// Each word of an article's text is kept under a key: a Russian word folded
// (case, ё, stress marks) and reduced to its Hunspell stems where the
// spelling dictionary knows it, so that every form of it shares the key; a
// Sakha word (one marked by "." in the text) in its canonical notation. A
// query word is folded and stemmed the same way, and as a Sakha word it is
// expanded through the morphology model: the dictionary words it is a form
// of, and every form of those. So any form finds every article that holds
// any form of the word. The index is built at the first search after the
// store changed (its ChangeStamp), never again while the store stays the
// same; each distinct word is reduced once per build. One thread at a time.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace sahdict {
class DictStore;
namespace morph {
class SakhaMorphology;
}

// One article that holds the word.
struct FullTextHit {
  std::u16string Pair;     // the pair of the entry that opens the article
  int32_t Position = 0;    // 1-based position of that entry within Pair
  std::u16string Word;     // that entry's Word
  std::u16string Snippet;  // the text around the first hit as the page shows it, the hit within "[" and "]"
};

class FullTextIndex {
 public:
  explicit FullTextIndex(const DictStore& store);
  ~FullTextIndex();
  FullTextIndex(const FullTextIndex&) = delete;
  FullTextIndex& operator=(const FullTextIndex&) = delete;

  // Every article whose text holds `word` in any form, in the store's order
  // (at most `limit` of them when limit > 0). `word` may be Russian or Sakha,
  // in real letters or the notation; surrounding spaces are ignored, and
  // text with no letters finds nothing. With `sakhaLetters` the snippets
  // show Sakha words with real letters (Word stays in the notation).
  std::vector<FullTextHit> Search(std::u16string_view word, size_t limit = 0, bool sakhaLetters = false) const;

  // Builds the index now when the store changed since the last build.
  void Prepare() const;

  // How many articles and distinct keys the index holds, and about how many
  // bytes it takes (builds it).
  size_t ArticleCount() const;
  size_t KeyCount() const;
  size_t MemoryBytes() const;

 private:
  struct Tables;
  const Tables& Current() const;

  const DictStore& store_;
  std::unique_ptr<morph::SakhaMorphology> model_;  // reads the store's Sakha words itself
  mutable std::unique_ptr<Tables> tables_;
  mutable uint64_t stamp_ = 0;
};

}  // namespace sahdict
