#include "core/dict/mdlDict.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <string_view>
#include <utility>
#include <vector>

#include "core/dict/FileReplacement.h"
#include "core/text/Cp1251.h"
#include "core/text/ProgramIdentity.h"
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

// One sort key: the Word of an entry and the entry's table slot.
struct SortItem {
  const std::u16string* word;
  int32_t slot;
};

bool WordLess(const SortItem& a, const SortItem& b) { return *a.word < *b.word; }

// Stable insertion sort of items[lo, hi).
void InsertionSort(std::vector<SortItem>& items, size_t lo, size_t hi) {
  for (size_t i = lo + 1; i < hi; ++i) {
    const SortItem item = items[i];
    size_t k = i;
    while (k > lo && WordLess(item, items[k - 1])) {
      items[k] = items[k - 1];
      --k;
    }
    items[k] = item;
  }
}

// Stable bottom-up merge sort by Word. `passDone(pass, passes)` is called
// after each merge pass; a run of at most kRun items needs no pass.
template <typename PassDone>
void MergeSortByWord(std::vector<SortItem>& items, PassDone passDone) {
  constexpr size_t kRun = 32;
  const size_t n = items.size();
  for (size_t lo = 0; lo < n; lo += kRun) InsertionSort(items, lo, std::min(n, lo + kRun));
  int passes = 0;
  for (size_t width = kRun; width < n; width *= 2) ++passes;
  std::vector<SortItem> buffer(n);
  int pass = 0;
  for (size_t width = kRun; width < n; width *= 2) {
    for (size_t lo = 0; lo < n; lo += 2 * width) {
      const size_t mid = std::min(n, lo + width);
      const size_t hi = std::min(n, lo + 2 * width);
      // Ties take the left run first, which keeps equal Words in their order.
      std::merge(items.begin() + static_cast<std::ptrdiff_t>(lo), items.begin() + static_cast<std::ptrdiff_t>(mid),
                 items.begin() + static_cast<std::ptrdiff_t>(mid), items.begin() + static_cast<std::ptrdiff_t>(hi),
                 buffer.begin() + static_cast<std::ptrdiff_t>(lo), WordLess);
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
  for (int32_t p = 2; p <= n && ordered; ++p) ordered = !(store.EntryAt(p).Word < store.EntryAt(p - 1).Word);

  if (!ordered) {
    std::vector<SortItem> items;
    items.reserve(static_cast<size_t>(n));
    const std::vector<int32_t>& index = store.OrderIndex();
    for (int32_t p = 1; p <= n; ++p) items.push_back({&store.EntryAt(p).Word, index[static_cast<size_t>(p)]});

    auto report = [&](float fraction) {
      if (!progress) return;
      const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
      progress(SortProgressText(fraction, elapsed));
    };
    bool reportedEnd = false;
    MergeSortByWord(items, [&](int pass, int passes) {
      // Like the status line of a long sort: every second pass, and the last one.
      if (pass % 2 == 0 || pass == passes) {
        report(static_cast<float>(pass) / static_cast<float>(passes));
        reportedEnd = pass == passes;
      }
    });
    if (!reportedEnd) report(1.0f);

    std::vector<int32_t>& order = store.OrderIndex();
    for (int32_t p = 1; p <= n; ++p) order[static_cast<size_t>(p)] = items[static_cast<size_t>(p) - 1].slot;
  }

  // Merge runs of neighbours identical in all five fields, keeping the first.
  // Moving the index slot down gives position `kept` the record of position p
  // without copying it; each pair is compared before either slot is overwritten.
  if (n <= 0) return;
  std::vector<int32_t>& order = store.OrderIndex();
  int32_t kept = 1;
  for (int32_t p = 2; p <= n; ++p) {
    if (store.EntriesEqual(p - 1, p)) continue;
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

// Lines in Windows-1251 with CR LF, gathered and handed to the file in large pieces.
class CompiledWriter {
 public:
  explicit CompiledWriter(FileReplacement& file) : file_(file) { buffer_.reserve(kFlushAt + 4096); }

  // One line in Windows-1251 with CR LF. `escape` puts a space in front of a
  // field that would otherwise read back as a header line.
  void Line(std::u16string_view text, bool escape) {
    if (escape && text.size() >= 2 && text[0] == u'-' && text[1] == u'-') buffer_.push_back(' ');
    for (char16_t c : text) buffer_.push_back(static_cast<char>(Cp1251Code(c)));
    buffer_ += "\r\n";
    if (buffer_.size() >= kFlushAt) Flush();
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
  FileReplacement& file_;
  std::string buffer_;
};

}  // namespace

bool WriteCompiled(const DictStore& store, const std::filesystem::path& path) {
  WriteError ignored;
  return WriteCompiled(store, path, ignored);
}

bool WriteCompiled(const DictStore& store, const std::filesystem::path& path, WriteError& error) {
  const int32_t count = std::max(store.GetEntryCount(), 0);

  // The pair line is kept verbatim on reading, so a pair that begins with
  // "--" cannot be carried: it would read back as a header and shift every
  // later entry. Refuse rather than write a file that reads back corrupted.
  for (int32_t p = 1; p <= count; ++p) {
    if (StartsWith(store.EntryAt(p).LangPair, u"--")) {
      error = {WriteFailure::LangPair, "entry " + std::to_string(p) + " has the language pair \"" +
                                           ToUtf8(store.EntryAt(p).LangPair) +
                                           "\", which the compiled layout cannot hold"};
      return false;
    }
  }

  FileReplacement file(path);
  CompiledWriter out(file);
  out.Line("--date " + DateTimeNow());
  out.Line("--author " + kCompiledAuthor + " ver " + ToUtf8(VersionNumberText()));
  out.Line("--encoding WIN");
  out.Line("--dicttype Sorted");
  out.Line("--dicttype RAWformat");
  for (int32_t p = 1; p <= count; ++p) {
    const DictEntry& e = store.EntryAt(p);
    out.Line(e.Word, true);
    out.Line(e.HeadWord, true);
    out.Line(e.Note, true);
    out.Line(e.Translation, true);
    out.Line(e.LangPair, false);
  }
  out.Line(std::string(kEntriesTrailer) + std::to_string(count));
  if (out.Flush() && file.Commit()) return true;
  error = {file.WhatFailed() == FileReplacement::Failure::NotOrdinaryFile ? WriteFailure::NotOrdinaryFile
                                                                          : WriteFailure::System,
           file.Error()};
  return false;
}

}  // namespace sahdict
