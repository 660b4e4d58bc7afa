#include "core/search/Links.h"

#include <array>

#include "core/dict/DictEntry.h"
#include "core/search/SearchText.h"

namespace sahdict {
namespace {

// The alternative of `pair` that a click follows, as a position.
int32_t Followed(SearchSession& session, const DictStore& store, const std::u16string& pair,
                 const std::u16string& word) {
  const SearchResult found =
      session.Search(store, pair, {word, static_cast<int32_t>(word.size()), 0}, {.SakhaLetters = true});
  for (const Alternative& a : found.alternatives) {
    switch (a.Kind) {
      case SuggestKind::Exact:
        if (WordBase(a.Word) == found.box.text) return a.Position;
        break;
      case SuggestKind::Folded:
      case SuggestKind::Form:
        return a.Position;
      case SuggestKind::Similar:
        break;
    }
  }
  return 0;
}

}  // namespace

std::optional<LinkTarget> FollowLink(SearchSession& session, const DictStore& store, const std::u16string& word,
                                     bool sakha) {
  static const std::array<std::u16string, 3> kSakhaFirst = {u"SAH-RUS", u"RUS-SAH", u"RSE-SAH"};
  static const std::array<std::u16string, 3> kRussianFirst = {u"RUS-SAH", u"RSE-SAH", u"SAH-RUS"};
  if (word.empty()) return std::nullopt;
  for (const std::u16string& pair : sakha ? kSakhaFirst : kRussianFirst) {
    if (const int32_t k = Followed(session, store, pair, word); k > 0) return LinkTarget{pair, k};
  }
  return std::nullopt;
}

}  // namespace sahdict
