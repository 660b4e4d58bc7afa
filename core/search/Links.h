#pragma once
// Words of an article page as links: the entry a clicked word leads to.

#include <cstdint>
#include <optional>
#include <string>

#include "core/dict/DictStore.h"
#include "core/search/SearchSession.h"

namespace sahdict {

struct LinkTarget {
  std::u16string pair;
  int32_t position = 0;  // 1-based within the pair
};

// Where a clicked word leads: a word shown as Sakha to Якутский → Русский, any
// other to Русский → Якутский and then Русский (расш.) → Якутский; failing its
// own pairs, the others are tried too. In each pair the entry whose word is
// the word itself, or else the first folded spelling or form the suggestion
// line offers. Nothing when no pair has one.
std::optional<LinkTarget> FollowLink(SearchSession& session, const DictStore& store, const std::u16string& word,
                                     bool sakha);

}  // namespace sahdict
