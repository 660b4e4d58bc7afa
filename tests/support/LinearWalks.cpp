#include "tests/support/LinearWalks.h"

#include <chrono>
#include <utility>
#include <vector>

#include "core/dict/mdlDict.h"

namespace sahdict {

DictEntry LinearGetEntry(const DictStore& store, int32_t n, const std::u16string& pair) {
  const int32_t count = store.GetEntryCount();
  int32_t k = n;
  int32_t i = 0;
  while (k > 0) {
    ++i;
    if (i > count) return store.GetEntry(0);
    if (store.EntryAt(i).LangPair == pair) --k;
  }
  return store.GetEntry(i);
}

int32_t LinearFindFirstEntry(const DictStore& store, const std::u16string& text, const std::u16string& pair) {
  const int32_t count = store.GetEntryCount();
  int32_t k = 0;
  for (int32_t i = 1; i <= count; ++i) {
    const EntryView e = store.EntryAt(i);
    if (e.LangPair != pair) continue;
    ++k;
    if (text <= e.Word) return k;
  }
  return 0;
}

void ExchangeSortDictionary(DictStore& store, const ProgressFn& progress) {
  const auto start = std::chrono::steady_clock::now();
  const int32_t n = store.GetEntryCount();
  auto word = [&](int32_t p) { return store.EntryAt(p).Word; };
  auto swap = [&](int32_t p, int32_t q) {
    std::vector<int32_t>& index = store.OrderIndex();
    std::swap(index[static_cast<size_t>(p)], index[static_cast<size_t>(q)]);
  };
  int32_t sweeps = 0;
  bool swapped = true;
  while (swapped) {
    ++sweeps;
    swapped = false;
    for (int32_t p = 1; p <= n - 1; ++p) {
      if (word(p) > word(p + 1)) {
        swap(p, p + 1);
        swapped = true;
      }
    }
    for (int32_t p = n - 1; p >= 2; --p) {
      if (word(p) < word(p - 1)) {
        swap(p, p - 1);
        swapped = true;
      }
    }
    if (sweeps % 2 == 0 && progress) {
      const float f = 2.0f * static_cast<float>(sweeps) / static_cast<float>(n);
      progress(SortProgressText(f, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count()));
    }
  }
  if (n <= 0) return;
  int32_t kept = 1;
  for (int32_t p = 2; p <= n; ++p) {
    if (!store.EntriesEqual(p - 1, p)) {
      ++kept;
      if (kept != p) store.SetEntry(kept, store.GetEntry(p));
    }
  }
  store.SetEntryCount(kept);
}

}  // namespace sahdict
