#include "core/dict/DictEntry.h"

#include <algorithm>
#include <array>

namespace sahdict {

namespace {

// A text given as up to four consecutive pieces.
struct Pieces {
  std::array<std::u16string_view, 4> part;
  size_t count = 1;

  explicit Pieces(std::u16string_view text) : part{text} {}
  explicit Pieces(const EntryWord& w) : part{w.Own} {
    if (w.CitesHead) {
      part = {w.Own, u" (", w.Head, u")"};
      count = 4;
    }
  }
};

// Ordinal comparison of two texts made of pieces, without joining them.
int Compare(const Pieces& a, const Pieces& b) {
  size_t i = 0;
  size_t j = 0;
  std::u16string_view x = a.part[0];
  std::u16string_view y = b.part[0];
  for (;;) {
    while (x.empty() && ++i < a.count) x = a.part[i];
    while (y.empty() && ++j < b.count) y = b.part[j];
    if (x.empty() || y.empty()) return x.empty() ? (y.empty() ? 0 : -1) : 1;
    const size_t n = std::min(x.size(), y.size());
    if (const int c = x.substr(0, n).compare(y.substr(0, n)); c != 0) return c;
    x.remove_prefix(n);
    y.remove_prefix(n);
  }
}

}  // namespace

std::u16string EntryWord::Text() const {
  std::u16string text;
  text.reserve(Size());
  text += Own;
  if (CitesHead) {
    text += u" (";
    text += Head;
    text += u')';
  }
  return text;
}

int EntryWord::Compare(std::u16string_view text) const {
  if (!CitesHead) return Own.compare(text);
  return sahdict::Compare(Pieces(*this), Pieces(text));
}

int EntryWord::Compare(const EntryWord& other) const {
  if (!CitesHead && !other.CitesHead) return Own.compare(other.Own);
  return sahdict::Compare(Pieces(*this), Pieces(other));
}

DictEntry EntryView::ToEntry() const {
  return DictEntry{std::u16string(LangPair), Word.Text(), std::u16string(HeadWord), std::u16string(Note),
                   std::u16string(Translation)};
}

// The pair helpers cut at fixed positions and accept any text: a pair shorter
// than seven characters simply yields shorter pieces.

std::u16string PairFrom(std::u16string_view pair) { return std::u16string(pair.substr(0, 3)); }

bool IsSakhaSource(std::u16string_view pair) { return pair.substr(0, 3) == u"SAH"; }

std::u16string PairTo(std::u16string_view pair) {
  return std::u16string(pair.size() <= 3 ? pair : pair.substr(pair.size() - 3));
}

std::u16string ReversePair(std::u16string_view pair) {
  std::u16string reversed(pair.size() > 4 ? pair.substr(4, 3) : std::u16string_view());
  reversed += u'-';
  reversed += pair.substr(0, 3);
  return reversed;
}

}  // namespace sahdict
