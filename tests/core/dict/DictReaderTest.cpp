// The reader: line kinds, both layouts, the derived entries, every message
// with its line number, and files that are damaged or odd.
#include <gtest/gtest.h>

#include <random>

#include "core/text/mdlSah.h"
#include "tests/core/dict/DictTestSupport.h"

namespace sahdict {
namespace {

using namespace test;

struct ReadCase {
  const char* name;
  std::vector<std::u16string> lines;
  bool ok;
  std::vector<std::u16string> messages;
  std::vector<std::u16string> entries;  // Dump of the store
};

void RunCases(const std::vector<ReadCase>& cases) {
  ScratchDir dir;
  for (const auto& c : cases) {
    WriteBytes(dir.File("case.dict"), DictText(c.lines));
    DictStore store;
    const auto r = Read(store, dir.File("case.dict"));
    EXPECT_TRUE(r.opened) << c.name;
    EXPECT_EQ(r.ok, c.ok) << c.name;
    EXPECT_EQ(r.messages, c.messages) << c.name;
    EXPECT_EQ(Dump(store), c.entries) << c.name;
  }
}

// The case tables keep the lines of each file together.
// clang-format off
TEST(DictReader, TextLayout) {
  RunCases({
      {"empty file", {}, true, {}, {}},
      {"a paragraph ends at an empty line, a comment, a header or the end of the file; a line of spaces joins it",
       {u"--languages RUS-SAH", u"", u"дом (сущ.) -", u"  .дьиэ", u"", u"вода (сущ.)  - уу", u"--# comment", u"б (n)",
        u"   ", u"- t", u"--version 3", u"кто-то (мест.) - ким эмэ (- ) (x)"},
       true, {},
       {u"RUS-SAH|б|б|n|t", u"RUS-SAH|вода|вода|сущ.|уу", u"RUS-SAH|дом|дом|сущ.|.дьиэ",
        u"RUS-SAH|кто-то|кто-то|мест.|ким эмэ (- ) (x)"}},
      {"a file that declares Sorted is not sorted",
       {u"--languages RUS-SAH", u"--dicttype Sorted", u"б () - 1", u"", u"а () - 2"},
       true, {}, {u"RUS-SAH|б|б||1", u"RUS-SAH|а|а||2"}},
  });
}

TEST(DictReader, MessagesCarryTheRightLineNumbers) {
  RunCases({
      {"format errors: ( after - , no ), ) before (, nothing; numbered by the line that ended the paragraph; "
       "articles that give no entry at all make a failed read",
       {u"--languages RUS-SAH", u"а - б (в)", u"", u"г (д - е", u"x", u"--# c", u"ж ) з ( - и", u"--version 1",
        u"просто текст", u"", u"", u"", u"", u"", u"", u"", u"", u"", u"", u"ok - 1 (x)", u"последняя"},
       false,
       {u"Ошибка формата в строке  3", u"Ошибка формата в строке  6", u"Ошибка формата в строке  8",
        u"Ошибка формата в строке  10", u"Ошибка формата в строке  21"},
       {}},
      {"header messages, in the order they arise, reading goes on",
       {u"--encoding KOI8", u"--dicttype Compressed", u"--dicttype  Sorted", u"--Languages RUS-SAH", u"--",
        u"--languages RUS-SAH", u"--version any thing", u"--date x", u"--author y", u"--comments z",
        u"--dictionary w", u"а () - 1"},
       true,
       {u"Кодировка словаря неверна", u"Некорректный параметр dicttype Compressed",
        u"Некорректный параметр dicttype  Sorted", u"Некорректный параметр", u"Некорректный параметр"},
       {u"RUS-SAH|а|а||1"}},
      {"a wrong languages value is reported once and used as the pair",
       {u"--languages SAH-RUS", u"а () - 1", u"", u"б () - .аа", u"--dicttype NeedSahExtract", u"в () - .ыы"},
       true, {u"Неправильный язык словаря"},
       {u"SAH-RUS|а|а||1", u"SAH-RUS|б|б||.аа", u"SAH-RUS|в|в||.ыы", u"RUS-SAH|ыы (в)|в||.ыы"}},
      {"no language: reading stops at the empty line, entries so far stay unsorted",
       {u"б () - 1", u"--version 1", u"а () - 2", u"", u"в () - 3"},
       false, {u"Не определен язык"}, {u"|б|б||1"}},
      {"no language and no empty line: the end of the file still parses",
       {u"б () - 1", u"--version 1", u"а () - 2"},
       true, {}, {u"|а|а||2", u"|б|б||1"}},
  });
}

TEST(DictReader, DerivedEntries) {
  const std::u16string tr = u"хороший .учугэй, добрый .кыра-кыра .5-5 .- .xyz (и .ньнь) так.же  дом";
  const std::u16string t = u"|дом|сущ.|хороший .учугэй, добрый .кыра-кыра .5-5 .- .xyz (и .ннь) так.же  дом";
  RunCases({
      {"Sakha words: canonical, outside-alphabet-only and bare hyphen give nothing, a dot inside a word marks it",
       {u"--languages RUS-SAH", u"--dicttype NeedSahExtract", u"дом (сущ.) - " + tr},
       true, {},
       {u"SAH-RUS|5-5 (дом)" + t, u"RUS-SAH|дом" + t, u"SAH-RUS|же (дом)" + t, u"SAH-RUS|кыра-кыра (дом)" + t,
        u"SAH-RUS|ннь (дом)" + t, u"SAH-RUS|учугэй (дом)" + t}},
      {"Russian words: the RSE copy, no headword, nothing with a dot, no empty pieces",
       {u"--languages RUS-SAH", u"--dicttype NeedRusExtract", u"дом (сущ.) - " + tr},
       true, {},
       {u"RSE-SAH|добрый (дом)" + t, u"RUS-SAH|дом" + t, u"RSE-SAH|дом" + t, u"RSE-SAH|и (дом)" + t,
        u"RSE-SAH|хороший (дом)" + t}},
      // Equal Words keep the file order (main, Sakha words, RSE copy, Russian words);
      // the two identical "б (а)" of the first article become one.
      {"NeedSahExtract sorts even with Sorted",
       {u"--languages RUS-SAH", u"--dicttype NeedSahExtract", u"--dicttype NeedRusExtract", u"--dicttype Sorted",
        u"а () - б .в б", u"", u"б () - .в а"},
       true, {},
       {u"RUS-SAH|а|а||б .в б", u"RSE-SAH|а|а||б .в б", u"RSE-SAH|а (б)|б||.в а", u"RUS-SAH|б|б||.в а",
        u"RSE-SAH|б|б||.в а", u"RSE-SAH|б (а)|а||б .в б", u"SAH-RUS|в (а)|а||б .в б", u"SAH-RUS|в (б)|б||.в а"}},
  });
}

TEST(DictReader, RawLayout) {
  RunCases({
      {"twelve data lines give two entries; pairs keep spaces, fields are trimmed",
       {u"--dicttype RAWformat", u"--dicttype Sorted", u" б ", u"б", u" n", u"t ", u" RUS-SAH ", u"а", u"--version 2",
        u"а", u"", u"", u"SAH-RUS", u"x", u"y"},
       true, {}, {u" RUS-SAH |б|б|n|t", u"SAH-RUS|а|а||"}},
      {"a comment line is one empty field; without Sorted the entries are sorted",
       {u"--dicttype RAWformat", u"б", u"--#", u"", u"", u"RUS-SAH", u"а", u"а", u"--# note", u"t", u"RUS-SAH"},
       true, {}, {u"RUS-SAH|а|а||t", u"RUS-SAH|б|||"}},
      {"a raw file that ends inside an entry keeps the whole entries",
       {u"--dicttype RAWformat", u"--dicttype Sorted", u"а", u"а", u"", u"t", u"RUS-SAH", u"б", u"б", u"n"},
       true, {}, {u"RUS-SAH|а|а||t"}},
      {"raw after text: the pending paragraph is parsed at the header",
       {u"--languages RUS-SAH", u"я () - 1", u"--dicttype RAWformat", u"а", u"а", u"", u"t", u"RUS-SAH"},
       true, {}, {u"RUS-SAH|а|а||t", u"RUS-SAH|я|я||1"}},
  });
}
// clang-format on

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
  // A word that shrinks skips what follows its space; one that grows is
  // searched again from inside.
  EXPECT_EQ(NormalizeMarkedWords(u".нг .я"), u".н' .йа");
  EXPECT_EQ(NormalizeMarkedWords(u".ньнь .я"), u".ннь .я");
  EXPECT_EQ(NormalizeMarkedWords(u".я.n .я"), u".йа.н' .йа");
  EXPECT_EQ(NormalizeMarkedWords(u"a. b .. c."), u"a. b .. c.");

  std::mt19937 rng(11);
  const std::u16string alphabet = u". .ньяn7ыа1ь";
  for (int i = 0; i < 20000; ++i) {
    std::u16string text;
    for (size_t k = rng() % 24; k > 0; --k) text += alphabet[rng() % alphabet.size()];
    ASSERT_EQ(NormalizeMarkedWords(text), NormalizeMarkedWordsInPlace(text)) << ToUtf8(text);
  }
}

TEST(DictReader, SortProgressGoesToTheCallback) {
  ScratchDir dir;
  WriteBytes(dir.File("p.dict"), DictText({u"--languages RUS-SAH", u"б () - 1", u"", u"а () - 2"}));
  DictStore store;
  const auto r = Read(store, dir.File("p.dict"));
  ASSERT_FALSE(r.progress.empty());
  EXPECT_EQ(r.progress.back(), u"Rebuilding dictionary - 100.00% complete, wait for 0:00:00");
}

}  // namespace
}  // namespace sahdict
