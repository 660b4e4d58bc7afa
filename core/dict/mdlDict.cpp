#include "core/dict/mdlDict.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <new>
#include <string_view>
#include <utility>
#include <vector>

#include "core/dict/FileReplacement.h"
#include "core/text/Cp1251.h"
#include "generated/ProgramIdentity.h"
#include "core/text/mdlCommon.h"

namespace sahdict {

namespace {

using Clock = std::chrono::steady_clock;

// "H:MM:SS" of a whole number of seconds (negative values count as 0).
std::string ClockText(double seconds) {
  const double rounded = std::nearbyint(seconds);
  const long long total = rounded > 0 ? static_cast<long long>(rounded) : 0;
  char text[48];
  std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", total / 3600, total / 60 % 60, total % 60);
  return text;
}

}  // namespace

std::u16string SortProgressText(float fraction, double elapsedSeconds) {
  // Elapsed time in whole seconds, halves to even; the rest is extrapolated.
  const double elapsed = std::nearbyint(elapsedSeconds);
  const double remaining = fraction > 0 ? elapsed / fraction * (1.0 - fraction) : 0.0;
  return u"Rebuilding dictionary - " + FormatFixed(fraction * 100.0f, 2) + u"% complete, wait for " +
         FromUtf8(ClockText(remaining));
}

namespace {

// One sort key in 24 bytes: eight characters of an entry's Word from a given
// place on, as two numbers that order like them (characters past the end
// count as 0), how many characters the Word has from there (up to nine), and
// the entry's sorted position before the sort.
class SortItem {
 public:
  static constexpr size_t kLead = 8;  // characters held, four to a number

  SortItem(const EntryWord& word, int32_t position, size_t from = 0)
      : position_(position), size_(static_cast<uint8_t>(std::min(word.Size() - from, kLead + 1))) {
    size_t skip = from;
    size_t taken = 0;
    auto take = [&](std::u16string_view piece) {
      const size_t skipped = std::min(skip, piece.size());
      skip -= skipped;
      for (size_t i = skipped; i < piece.size() && taken < kLead; ++i, ++taken)
        key_[taken / 4] = key_[taken / 4] << 16 | piece[i];
    };
    take(word.Own);
    if (word.CitesHead) {
      take(u" (");
      take(word.Head);
      take(u")");
    }
    for (; taken < kLead; ++taken) key_[taken / 4] <<= 16;
  }

  // Orders by the characters held, then by the length up to nine: the order
  // of the Words from that place on, except that Words going on past equal
  // characters tie. (A shorter Word's padding equals only characters 0.)
  friend bool operator<(const SortItem& a, const SortItem& b) {
    if (a.key_[0] != b.key_[0]) return a.key_[0] < b.key_[0];
    if (a.key_[1] != b.key_[1]) return a.key_[1] < b.key_[1];
    return a.size_ < b.size_;
  }
  // True when both Words go on past equal characters: only later ones can order them.
  bool Ties(const SortItem& other) const {
    return size_ > kLead && other.size_ > kLead && key_[0] == other.key_[0] && key_[1] == other.key_[1];
  }
  // True when both hold the same characters and length. Items of equal Words
  // always do (they are never parted, so they end up holding the same part).
  bool SameLead(const SortItem& other) const {
    return size_ == other.size_ && key_[0] == other.key_[0] && key_[1] == other.key_[1];
  }
  int32_t Position() const { return position_; }

 private:
  uint64_t key_[2] = {0, 0};
  int32_t position_;
  uint8_t size_;
};

// True when two Words of the store are the same texts: a text is kept once,
// so that settles equality without reading them.
bool SameTexts(const EntryWord& a, const EntryWord& b) {
  return a.Own.data() == b.Own.data() && a.Own.size() == b.Own.size() && a.CitesHead == b.CitesHead &&
         a.Head.data() == b.Head.data() && a.Head.size() == b.Head.size();
}

// Orders each run of tied items by the rest of their Words, keeping equal
// Words in their order: the run's Words are looked up once, then sorted by
// their next eight characters, and again for what still ties, as deep as
// the Words agree.
void SortTies(std::vector<SortItem>& items, const DictStore& store) {
  struct Tied {
    EntryWord word;
    SortItem item;
  };
  struct Range {
    size_t lo, hi, from;  // run[lo, hi) agree on their first `from` characters
  };
  std::vector<Tied> run;
  std::vector<Range> ranges;
  for (size_t lo = 0; lo < items.size();) {
    size_t hi = lo + 1;
    while (hi < items.size() && items[lo].Ties(items[hi])) ++hi;
    // A run of one Word (a word repeated through an article) is in order already.
    size_t same = lo + 1;
    if (hi - lo > 1) {
      const EntryWord word = store.WordAt(items[lo].Position());
      while (same < hi && SameTexts(store.WordAt(items[same].Position()), word)) ++same;
    }
    if (same < hi) {
      run.clear();
      for (size_t k = lo; k < hi; ++k) run.push_back({store.WordAt(items[k].Position()), items[k]});
      ranges.assign(1, {0, run.size(), SortItem::kLead});
      while (!ranges.empty()) {
        const Range r = ranges.back();
        ranges.pop_back();
        const auto first = run.begin() + static_cast<std::ptrdiff_t>(r.lo);
        const auto last = run.begin() + static_cast<std::ptrdiff_t>(r.hi);
        if (std::all_of(first, last, [&](const Tied& t) { return SameTexts(t.word, first->word); })) continue;
        for (auto t = first; t != last; ++t) t->item = SortItem(t->word, t->item.Position(), r.from);
        std::stable_sort(first, last, [](const Tied& a, const Tied& b) { return a.item < b.item; });
        for (size_t a = r.lo; a < r.hi;) {
          size_t b = a + 1;
          while (b < r.hi && run[a].item.Ties(run[b].item)) ++b;
          if (b - a > 1) ranges.push_back({a, b, r.from + SortItem::kLead});
          a = b;
        }
      }
      for (size_t k = lo; k < hi; ++k) items[k] = run[k - lo].item;
    }
    lo = hi;
  }
}

// Stable insertion sort of items[lo, hi).
void InsertionSort(std::vector<SortItem>& items, size_t lo, size_t hi) {
  for (size_t i = lo + 1; i < hi; ++i) {
    const SortItem item = items[i];
    size_t k = i;
    while (k > lo && item < items[k - 1]) {
      items[k] = items[k - 1];
      --k;
    }
    items[k] = item;
  }
}

// Stable bottom-up merge sort by the items' leads. `passDone(pass, passes)` is called
// after each merge pass; a run of at most kRun items needs no pass.
template <typename PassDone>
void MergeSortByLead(std::vector<SortItem>& items, PassDone passDone) {
  constexpr size_t kRun = 32;
  const size_t n = items.size();
  for (size_t lo = 0; lo < n; lo += kRun) InsertionSort(items, lo, std::min(n, lo + kRun));
  int passes = 0;
  for (size_t width = kRun; width < n; width *= 2) ++passes;
  std::vector<SortItem> buffer(items);
  int pass = 0;
  for (size_t width = kRun; width < n; width *= 2) {
    for (size_t lo = 0; lo < n; lo += 2 * width) {
      const size_t mid = std::min(n, lo + width);
      const size_t hi = std::min(n, lo + 2 * width);
      // Ties take the left run first, which keeps equal Words in their order.
      std::merge(items.begin() + static_cast<std::ptrdiff_t>(lo), items.begin() + static_cast<std::ptrdiff_t>(mid),
                 items.begin() + static_cast<std::ptrdiff_t>(mid), items.begin() + static_cast<std::ptrdiff_t>(hi),
                 buffer.begin() + static_cast<std::ptrdiff_t>(lo));
    }
    items.swap(buffer);
    passDone(++pass, passes);
  }
}

}  // namespace

void SortDictionary(DictStore& store, const ProgressFn& progress) {
  const auto start = Clock::now();
  const int32_t n = std::clamp(store.GetEntryCount(), 0, static_cast<int32_t>(store.OrderIndex().size()) - 1);

  bool ordered = true;
  for (int32_t p = 2; p <= n && ordered; ++p) ordered = store.WordAt(p).Compare(store.WordAt(p - 1)) >= 0;

  std::vector<SortItem> items;  // stays empty when the store is in order already
  if (!ordered) {
    items.reserve(static_cast<size_t>(n));
    for (int32_t p = 1; p <= n; ++p) items.emplace_back(store.WordAt(p), p);

    auto report = [&](float fraction) {
      if (!progress) return;
      const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
      progress(SortProgressText(fraction, elapsed));
    };
    bool reportedEnd = false;
    MergeSortByLead(items, [&](int pass, int passes) {
      // Like the status line of a long sort: every second pass, and the last one.
      if (pass % 2 == 0 || pass == passes) {
        report(static_cast<float>(pass) / static_cast<float>(passes));
        reportedEnd = pass == passes;
      }
    });
    SortTies(items, store);
    if (!reportedEnd) report(1.0f);

    std::vector<int32_t> slots(static_cast<size_t>(n));
    const std::vector<int32_t>& before = store.OrderIndex();
    for (size_t k = 0; k < slots.size(); ++k) slots[k] = before[static_cast<size_t>(items[k].Position())];
    std::vector<int32_t>& order = store.OrderIndex();
    std::copy(slots.begin(), slots.end(), order.begin() + 1);
  }

  // Merge runs of neighbours identical in all five fields, keeping the first.
  // Moving the index slot down gives position `kept` the record of position p
  // without copying it; each pair is compared before either slot is overwritten.
  if (n <= 0) return;
  std::vector<int32_t>& order = store.OrderIndex();
  int32_t kept = 1;
  for (int32_t p = 2; p <= n; ++p) {
    // Neighbours whose items hold different characters have different Words;
    // only the others are looked up in the store.
    const bool differ =
        !items.empty() && !items[static_cast<size_t>(p) - 2].SameLead(items[static_cast<size_t>(p) - 1]);
    if (!differ && store.EntriesEqual(p - 1, p)) continue;
    ++kept;
    if (kept != p) order[static_cast<size_t>(kept)] = order[static_cast<size_t>(p)];
  }
  store.SetEntryCount(kept);
}

namespace {

constexpr size_t kFlushAt = size_t{1} << 20;

std::string DateTimeNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &now);
#else
  localtime_r(&now, &local);
#endif
  char text[64];
  std::snprintf(text, sizeof text, "%02d.%02d.%04d %d:%02d:%02d", local.tm_mday, local.tm_mon + 1, local.tm_year + 1900,
                local.tm_hour, local.tm_min, local.tm_sec);
  return text;
}

// Lines in Windows-1251 (or UTF-8) with CR LF, gathered and handed to the file in large pieces.
class CompiledWriter {
 public:
  CompiledWriter(FileReplacement& file, bool utf8) : file_(file), utf8_(utf8) { buffer_.reserve(kFlushAt + 4096); }

  // One line in Windows-1251 with CR LF. `escape` puts a space in front of a
  // field that would otherwise read back as a header line.
  void Line(std::u16string_view text, bool escape) {
    if (escape && text.starts_with(u"--")) buffer_.push_back(' ');
    Put(text);
    EndLine();
  }
  // A Word's line, its cited HeadWord written out. A cited Word's own part is
  // followed by a space, so the own part alone decides the escape.
  void Line(const EntryWord& word) {
    if (word.Own.starts_with(u"--")) buffer_.push_back(' ');
    Put(word.Own);
    if (word.CitesHead) {
      Put(u" (");
      Put(word.Head);
      Put(u")");
    }
    EndLine();
  }
  void Line(std::string_view ascii) {
    buffer_ += ascii;
    buffer_ += "\r\n";
  }

  bool Flush() {
    const bool ok = file_.Write(buffer_);
    buffer_.clear();
    return ok;
  }

 private:
  void Put(std::u16string_view text) {
    if (utf8_) {
      buffer_ += ToUtf8(std::u16string(text));
    } else {
      AppendCp1251(text, buffer_);
    }
  }
  void EndLine() {
    buffer_ += "\r\n";
    if (buffer_.size() >= kFlushAt) Flush();
  }

  FileReplacement& file_;
  bool utf8_;
  std::string buffer_;
};

}  // namespace

bool WriteCompiled(const DictStore& store, const std::filesystem::path& path) {
  WriteError ignored;
  return WriteCompiled(store, path, ignored);
}

bool WriteCompiled(const DictStore& store, const std::filesystem::path& path, WriteError& error,
                   const CompiledOptions& options) {
  const int32_t count = std::max(store.GetEntryCount(), 0);

  // The pair line is kept verbatim on reading, so a pair that begins with
  // "--" cannot be carried: it would read back as a header and shift every
  // later entry. Refuse rather than write a file that reads back corrupted.
  for (int32_t p = 1; p <= count; ++p) {
    const std::u16string_view pair = store.EntryAt(p).LangPair;
    if (pair.starts_with(u"--")) {
      error = {WriteFailure::LangPair, "entry " + std::to_string(p) + " has the language pair \"" +
                                           ToUtf8(std::u16string(pair)) + "\", which the compiled layout cannot hold"};
      return false;
    }
  }

  try {
    FileReplacement file(path, options.followLink ? FileReplacement::Links::Follow : FileReplacement::Links::Replace);
    CompiledWriter out(file, options.utf8);
    out.Line("--date " + DateTimeNow());
    if (options.source) out.Line(SourceLineText(*options.source));
    out.Line("--author " + kCompiledAuthor + " ver " + ToUtf8(VersionNumberText()));
    out.Line(options.utf8 ? "--encoding UTF-8" : "--encoding WIN");
    out.Line("--dicttype Sorted");
    out.Line("--dicttype RAWformat");
    // Entries lie in the store in the order they were read, not sorted: the
    // views of a batch are fetched first, so that their reads overlap.
    constexpr int32_t kBatch = 64;
    std::vector<EntryView> batch;
    batch.reserve(kBatch);
    for (int32_t first = 1; first <= count; first += kBatch) {
      batch.clear();
      for (int32_t p = first; p <= std::min(count, first + kBatch - 1); ++p) {
        batch.push_back(store.EntryAt(p));
#if defined(__GNUC__)
        __builtin_prefetch(batch.back().Translation.data());
        __builtin_prefetch(batch.back().Word.Own.data());
#endif
      }
      for (const EntryView& e : batch) {
        out.Line(e.Word);
        out.Line(e.HeadWord, true);
        out.Line(e.Note, true);
        out.Line(e.Translation, true);
        out.Line(e.LangPair, false);
      }
    }
    out.Line(std::string(kEntriesTrailer) + std::to_string(count));
    if (out.Flush() && file.Commit()) return true;
    error = {file.WhatFailed() == FileReplacement::Failure::NotOrdinaryFile ? WriteFailure::NotOrdinaryFile
                                                                            : WriteFailure::System,
             file.Error()};
    return false;
  } catch (const std::bad_alloc&) {
    // The replacement, left uncommitted, has discarded its temporary file.
    error = {WriteFailure::System, "out of memory while writing " + path.string()};
    return false;
  }
}

}  // namespace sahdict
