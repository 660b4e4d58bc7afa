#include "core/search/Links.h"

#include <array>

#include "core/dict/DictEntry.h"
#include "core/search/SearchText.h"

namespace sahdict {
namespace {

bool IsWordChar(char16_t c) {
  return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') ||
         (c >= u'\u0400' && c <= u'\u04FF') || c == u'\u0301';
}

// An apostrophe or hyphen joins two word characters.
bool Joins(const std::u16string& text, size_t i) {
  return (text[i] == u'\'' || text[i] == u'-') && i > 0 && i + 1 < text.size() && IsWordChar(text[i - 1]) &&
         IsWordChar(text[i + 1]);
}

bool InWord(const std::u16string& text, size_t i) { return IsWordChar(text[i]) || Joins(text, i); }

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

std::u16string WordAt(const std::u16string& text, size_t at) {
  if (at >= text.size() || !InWord(text, at)) return {};
  size_t from = at, to = at + 1;
  while (from > 0 && InWord(text, from - 1)) --from;
  while (to < text.size() && InWord(text, to)) ++to;
  return text.substr(from, to - from);
}

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
