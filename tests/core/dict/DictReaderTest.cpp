// The reader: line kinds, both layouts, the derived entries, every message
// with its line number, and files that are damaged or odd.
#include <gtest/gtest.h>

#include <random>

#include "core/dict/mdlDictParser.h"
#include "core/text/mdlSah.h"
#include "tests/core/dict/DictTestSupport.h"

namespace sahdict {
namespace {

using test::DictText;
using test::Entries;
using test::Entry;
using test::Read;
using test::ScratchDir;
using test::WriteBytes;

const std::u16string kRS = u"RUS-SAH";

struct ReadCase {
  const char* name;
  std::vector<std::u16string> lines;
  bool ok;
  std::vector<std::u16string> messages;
  std::vector<DictEntry> entries;  // in sorted order
};

void RunCases(const std::vector<ReadCase>& cases) {
  ScratchDir dir;
  for (const auto& c : cases) {
    const auto file = dir.File("case.dict");
    WriteBytes(file, DictText(c.lines));
    DictStore store;
    const auto r = Read(store, file);
    EXPECT_EQ(r.ok, c.ok) << c.name;
    EXPECT_EQ(r.messages, c.messages) << c.name;
    EXPECT_EQ(Entries(store), c.entries) << c.name;
  }
}

// The case tables keep the lines of each file together.
// clang-format off
TEST(DictReader, TextLayoutParagraphs) {
  RunCases({
      {"empty file", {}, true, {}, {}},
      {"paragraph over two lines, last one without an empty line after it",
       {u"--languages RUS-SAH", u"", u"дом (сущ.) -", u"  .дьиэ", u"", u"вода (сущ.)  - уу"},
       true,
       {},
       {Entry(kRS, u"вода", u"вода", u"сущ.", u"уу"), Entry(kRS, u"дом", u"дом", u"сущ.", u".дьиэ")}},
      {"a comment line ends a paragraph",
       {u"--languages RUS-SAH", u"б () - 1", u"--# comment", u"а () - 2"},
       true,
       {},
       {Entry(kRS, u"а", u"а", u"", u"2"), Entry(kRS, u"б", u"б", u"", u"1")}},
      {"a header line parses the lines before it as one entry",
       {u"--languages RUS-SAH", u"б () - 1", u"--version 3", u"а () - 2"},
       true,
       {},
       {Entry(kRS, u"а", u"а", u"", u"2"), Entry(kRS, u"б", u"б", u"", u"1")}},
      {"a line of spaces joins the paragraph",
       {u"--languages RUS-SAH", u"а (n)", u"   ", u"- t"},
       true,
       {},
       {Entry(kRS, u"а", u"а", u"n", u"t")}},
      {"hyphens and parentheses inside the translation are text",
       {u"--languages RUS-SAH", u"кто-то (мест.) - ким эмэ (- ) (x)"},
       true,
       {},
       {Entry(kRS, u"кто-то", u"кто-то", u"мест.", u"ким эмэ (- ) (x)")}},
      {"a file that declares Sorted is not sorted",
       {u"--languages RUS-SAH", u"--dicttype Sorted", u"б () - 1", u"", u"а () - 2"},
       true,
       {},
       {Entry(kRS, u"б", u"б", u"", u"1"), Entry(kRS, u"а", u"а", u"", u"2")}},
      {"identical neighbours after sorting become one",
       {u"--languages RUS-SAH", u"а () - 1", u"", u"б () - 1", u"", u"а () - 1"},
       true,
       {},
       {Entry(kRS, u"а", u"а", u"", u"1"), Entry(kRS, u"б", u"б", u"", u"1")}},
  });
}

TEST(DictReader, MessagesCarryTheRightLineNumbers) {
  RunCases({
      {"format errors: ( after - , no ), ) before (, nothing; numbered by the line that ended the paragraph",
       {u"--languages RUS-SAH", u"а - б (в)", u"", u"г (д - е", u"x", u"--# c", u"ж ) з ( - и", u"--version 1",
        u"просто текст", u"", u"", u"", u"", u"", u"", u"", u"", u"", u"", u"ok - 1 (x)", u"последняя"},
       true,
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
       {Entry(kRS, u"а", u"а", u"", u"1")}},
      {"a wrong languages value is reported once and used as the pair",
       {u"--languages SAH-RUS", u"а () - 1", u"", u"б () - .аа", u"--dicttype NeedSahExtract", u"в () - .ыы"},
       true,
       {u"Неправильный язык словаря"},
       {Entry(u"SAH-RUS", u"а", u"а", u"", u"1"), Entry(u"SAH-RUS", u"б", u"б", u"", u".аа"),
        Entry(u"SAH-RUS", u"в", u"в", u"", u".ыы"), Entry(u"RUS-SAH", u"ыы (в)", u"в", u"", u".ыы")}},
      {"no language: reading stops at the empty line, entries so far stay unsorted",
       {u"б () - 1", u"--version 1", u"а () - 2", u"", u"в () - 3"},
       false,
       {u"Не определен язык"},
       {Entry(u"", u"б", u"б", u"", u"1")}},
      {"no language and no empty line: the end of the file still parses",
       {u"б () - 1", u"--version 1", u"а () - 2"},
       true,
       {},
       {Entry(u"", u"а", u"а", u"", u"2"), Entry(u"", u"б", u"б", u"", u"1")}},
  });
}

TEST(DictReader, DerivedEntries) {
  const std::u16string tr = u"хороший .учугэй, добрый .кыра-кыра .5-5 .- .xyz (и .ньнь) так.же  дом";
  const std::u16string trNorm = u"хороший .учугэй, добрый .кыра-кыра .5-5 .- .xyz (и .ннь) так.же  дом";
  RunCases({
      {"Sakha words: canonical, outside-alphabet-only and bare hyphen give nothing, a dot inside a word marks it",
       {u"--languages RUS-SAH", u"--dicttype NeedSahExtract", u"дом (сущ.) - " + tr},
       true,
       {},
       {Entry(u"SAH-RUS", u"5-5 (дом)", u"дом", u"сущ.", trNorm), Entry(kRS, u"дом", u"дом", u"сущ.", trNorm),
        Entry(u"SAH-RUS", u"же (дом)", u"дом", u"сущ.", trNorm),
        Entry(u"SAH-RUS", u"кыра-кыра (дом)", u"дом", u"сущ.", trNorm),
        Entry(u"SAH-RUS", u"ннь (дом)", u"дом", u"сущ.", trNorm),
        Entry(u"SAH-RUS", u"учугэй (дом)", u"дом", u"сущ.", trNorm)}},
      {"Russian words: the RSE copy, no headword, nothing with a dot, no empty pieces",
       {u"--languages RUS-SAH", u"--dicttype NeedRusExtract", u"дом (сущ.) - " + tr},
       true,
       {},
       {Entry(u"RSE-SAH", u"добрый (дом)", u"дом", u"сущ.", trNorm), Entry(kRS, u"дом", u"дом", u"сущ.", trNorm),
        Entry(u"RSE-SAH", u"дом", u"дом", u"сущ.", trNorm),
        Entry(u"RSE-SAH", u"и (дом)", u"дом", u"сущ.", trNorm),
        Entry(u"RSE-SAH", u"хороший (дом)", u"дом", u"сущ.", trNorm)}},
  });
}

TEST(DictReader, DerivedEntriesComeInFileOrderAmongEqualWords) {
  ScratchDir dir;
  WriteBytes(dir.File("d.dict"), DictText({u"--languages RUS-SAH", u"--dicttype NeedSahExtract",
                                           u"--dicttype NeedRusExtract", u"--dicttype Sorted",
                                           u"а () - б .в б", u"", u"б () - .в а"}));
  DictStore store;
  const auto r = Read(store, dir.File("d.dict"));
  ASSERT_TRUE(r.ok);
  // NeedSahExtract sorts even with "Sorted"; equal Words keep their file order;
  // the two identical "б (а)" of the first article become one.
  std::vector<std::u16string> words;
  for (const auto& e : Entries(store)) words.push_back(e.LangPair + u":" + e.Word);
  EXPECT_EQ(words, (std::vector<std::u16string>{u"RUS-SAH:а", u"RSE-SAH:а", u"RSE-SAH:а (б)", u"RUS-SAH:б",
                                                u"RSE-SAH:б", u"RSE-SAH:б (а)", u"SAH-RUS:в (а)", u"SAH-RUS:в (б)"}));
}

TEST(DictReader, RawLayout) {
  RunCases({
      {"twelve data lines give two entries; pairs keep spaces, fields are trimmed",
       {u"--dicttype RAWformat", u"--dicttype Sorted", u" б ", u"б", u" n", u"t ", u" RUS-SAH ", u"а", u"--version 2",
        u"а", u"", u"", u"SAH-RUS", u"x", u"y"},
       true,
       {},
       {Entry(u" RUS-SAH ", u"б", u"б", u"n", u"t"), Entry(u"SAH-RUS", u"а", u"а", u"", u"")}},
      {"a comment line is one empty field; without Sorted the entries are sorted",
       {u"--dicttype RAWformat", u"б", u"--#", u"", u"", u"RUS-SAH", u"а", u"а", u"--# note", u"t", u"RUS-SAH"},
       true,
       {},
       {Entry(kRS, u"а", u"а", u"", u"t"), Entry(kRS, u"б", u"", u"", u"")}},
      {"a raw file that ends inside an entry keeps the whole entries",
       {u"--dicttype RAWformat", u"--dicttype Sorted", u"а", u"а", u"", u"t", u"RUS-SAH", u"б", u"б", u"n"},
       true,
       {},
       {Entry(kRS, u"а", u"а", u"", u"t")}},
      {"raw after text: the pending paragraph is parsed at the header",
       {u"--languages RUS-SAH", u"я () - 1", u"--dicttype RAWformat", u"а", u"а", u"", u"t", u"RUS-SAH"},
       true,
       {},
       {Entry(kRS, u"а", u"а", u"", u"t"), Entry(kRS, u"я", u"я", u"", u"1")}},
  });
}

// clang-format on

TEST(DictReader, MissingOrUnreadableFileFailsSilentlyAndClearsTheStore) {
  ScratchDir dir;
  DictStore store;
  store.AddEntry(u"old", u"old", u"", u"", kRS);
  for (const auto& path : {dir.File("missing.dict"), dir.Path()}) {
    const auto r = Read(store, path);
    EXPECT_FALSE(r.ok) << path;
    EXPECT_TRUE(r.messages.empty());
    EXPECT_EQ(store.GetEntryCount(), 0);
  }
}

TEST(DictReader, LineEndsAndRawBytes) {
  ScratchDir dir;
  const auto file = dir.File("bytes.dict");
  // Bare LF ends a line, a lone CR is text, NUL is text, the last line has no line end.
  using namespace std::string_literals;
  WriteBytes(file,
             "--dicttype RAWformat\n--dicttype Sorted\r\na\rb\r\n\r\r\nn\0te\r\n"
             "t\0\0\r\nRUS-SAH\n\xE0\r\n\xE1\r\n\r\n\r\nRUS-SAH"s);
  DictStore store;
  const auto r = Read(store, file);
  EXPECT_TRUE(r.ok);
  EXPECT_EQ(Entries(store), (std::vector<DictEntry>{
                                Entry(kRS, u"a\rb", u"\r", std::u16string(u"n\0te", 4), std::u16string(u"t\0\0", 3)),
                                Entry(kRS, u"а", u"б", u"", u"")}));
}

TEST(DictReader, OneHugeLine) {
  ScratchDir dir;
  const auto file = dir.File("huge.dict");
  std::string bytes = "--languages RUS-SAH\r\nслово () - ";
  bytes = EncodeCp1251(FromUtf8(bytes));
  bytes.append(8u << 20, '\xE0');  // 8 MB of one letter, no line end at all
  WriteBytes(file, bytes);
  DictStore store;
  const auto r = Read(store, file);
  ASSERT_TRUE(r.ok);
  ASSERT_EQ(store.GetEntryCount(), 1);
  EXPECT_EQ(store.EntryAt(1).Translation.size(), 8u << 20);
}

// The rewrite as the reader has always done it: in place, the next search
// starting one past the end the word had before the rewrite.
std::u16string NormalizeMarkedWordsInPlace(std::u16string t) {
  size_t start = 0;
  for (;;) {
    const size_t dot = t.find(u'.', start);
    if (dot == std::u16string::npos) return t;
    size_t e = t.find(u' ', dot);
    if (e == std::u16string::npos) e = t.size();
    if (e - dot > 1) {
      std::u16string w = t.substr(dot + 1, e - dot - 1);
      t.replace(dot + 1, e - dot - 1, NormalizeSakha(w));
    }
    start = e + 1;
  }
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
    const size_t len = rng() % 24;
    for (size_t k = 0; k < len; ++k) text += alphabet[rng() % alphabet.size()];
    ASSERT_EQ(NormalizeMarkedWords(text), NormalizeMarkedWordsInPlace(text)) << ToUtf8(text);
  }
}

TEST(DictReader, ProgressOnlyWhenSortingChangesTheOrder) {
  ScratchDir dir;
  const auto file = dir.File("p.dict");
  DictStore store;
  WriteBytes(file, DictText({u"--languages RUS-SAH", u"а () - 1", u"", u"б () - 2"}));
  EXPECT_TRUE(Read(store, file).progress.empty());
  WriteBytes(file, DictText({u"--languages RUS-SAH", u"б () - 1", u"", u"а () - 2"}));
  const auto r = Read(store, file);
  ASSERT_FALSE(r.progress.empty());
  EXPECT_EQ(r.progress.back(), u"Rebuilding dictionary - 100.00% complete, wait for 0:00:00");
}

}  // namespace
}  // namespace sahdict
