#include "ui/lookup/SearchHandling.h"

#include <algorithm>

#include "core/text/mdlSah.h"

namespace sahdict::ui {
namespace {

std::u16string Normalized(std::u16string text) { return NormalizeSakha(text); }

}  // namespace

SearchBoxText NormalizeSearchText(const std::u16string& text, int32_t caret, const std::u16string& selected) {
  const size_t before = static_cast<size_t>(std::clamp<int32_t>(caret, 0, static_cast<int32_t>(text.size())));
  SearchBoxText out;
  out.selStart = static_cast<int32_t>(Normalized(text.substr(0, before)).size());
  out.selLength = static_cast<int32_t>(Normalized(selected).size());
  out.text = Normalized(text);
  return out;
}

int32_t SearchRow(const DictStore& store, const std::u16string& pair, const std::u16string& text, int32_t rowCount) {
  if (pair.empty()) return -1;
  const int32_t k = store.FindFirstEntry(text, pair);
  if (k <= 0 || k > rowCount) return -1;
  return k - 1;
}

int32_t ArrowRow(int32_t selected, int32_t rowCount, ArrowKey key) {
  if (rowCount <= 0) return -1;
  if (selected < 0 || selected >= rowCount) return 0;
  if (key == ArrowKey::Up) return selected == 0 ? rowCount - 1 : selected - 1;
  return selected == rowCount - 1 ? 0 : selected + 1;
}

}  // namespace sahdict::ui
