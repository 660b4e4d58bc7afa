// The reader where the tool cannot show it: files that cannot be opened, raw
// bytes, a huge line, the marked-word rewrite and the sort's progress. The
// layouts, derived entries and messages run through sahdict-tool on the files
// in tests/data/read.
#include <gtest/gtest.h>

#include <random>

#include "core/text/mdlSah.h"
#include "tests/core/dict/DictTestSupport.h"

namespace sahdict {
namespace {

using namespace test;

TEST(DictReader, MissingOrUnreadableFileFailsSilentlyAndClearsTheStore) {
  ScratchDir dir;
  DictStore store;
  store.AddEntry(u"old", u"old", u"", u"", u"RUS-SAH");
  for (const auto& path : {dir.File("missing.dict"), dir.Path()}) {
    const auto r = Read(store, path);
    EXPECT_FALSE(r.opened) << path;
    EXPECT_FALSE(r.ok) << path;
    EXPECT_TRUE(r.messages.empty());
    EXPECT_EQ(store.GetEntryCount(), 0);
  }
}

TEST(DictReader, LineEndsAndRawBytes) {
  ScratchDir dir;
  // Bare LF ends a line, a lone CR is text, NUL is text, the last line has no line end.
  using namespace std::string_literals;
  WriteBytes(dir.File("bytes.dict"),
             "--dicttype RAWformat\n--dicttype Sorted\r\na\rb\r\n\r\r\nn\0te\r\n"
             "t\0\0\r\nRUS-SAH\n\xE0\r\n\xE1\r\n\r\n\r\nRUS-SAH"s);
  DictStore store;
  EXPECT_TRUE(Read(store, dir.File("bytes.dict")).ok);
  EXPECT_EQ(Entries(store), (std::vector<DictEntry>{
                                {u"RUS-SAH", u"a\rb", u"\r", std::u16string(u"n\0te", 4), std::u16string(u"t\0\0", 3)},
                                {u"RUS-SAH", u"а", u"б", u"", u""}}));
}

TEST(DictReader, OneHugeLine) {
  ScratchDir dir;
  std::string bytes = EncodeCp1251(u"--languages RUS-SAH\r\nслово () - ");
  bytes.append(8u << 20, '\xE0');  // 8 MB of one letter, no line end at all
  WriteBytes(dir.File("huge.dict"), bytes);
  DictStore store;
  ASSERT_TRUE(Read(store, dir.File("huge.dict")).ok);
  ASSERT_EQ(store.GetEntryCount(), 1);
  EXPECT_EQ(store.EntryAt(1).Translation.size(), 8u << 20);
}

// The rewrite as the reader has always done it: in place, the next search
// starting one past the end the word had before the rewrite.
std::u16string NormalizeMarkedWordsInPlace(std::u16string t) {
  for (size_t start = 0, dot; (dot = t.find(u'.', start)) != std::u16string::npos;) {
    size_t e = t.find(u' ', dot);
    if (e == std::u16string::npos) e = t.size();
    if (e - dot > 1) {
      std::u16string w = t.substr(dot + 1, e - dot - 1);
      t.replace(dot + 1, e - dot - 1, NormalizeSakha(w));
    }
    start = e + 1;
  }
  return t;
}

TEST(DictReader, MarkedWordRewriteMatchesTheInPlaceRewrite) {
  // Words that shrink (ньнь) skip what follows their space; words that grow
  // (я, n) are searched again from inside.
  std::mt19937 rng(11);
  const std::u16string alphabet = u". .ньяn7ыа1ь";
  for (int i = 0; i < 20000; ++i) {
    std::u16string text;
    for (size_t k = rng() % 24; k > 0; --k) text += alphabet[rng() % alphabet.size()];
    ASSERT_EQ(NormalizeMarkedWords(text), NormalizeMarkedWordsInPlace(text)) << ToUtf8(text);
  }
}

}  // namespace
}  // namespace sahdict
