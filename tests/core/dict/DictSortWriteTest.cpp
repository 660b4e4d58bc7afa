// Sorting with duplicate removal against the exchange sort, and the compiled
// file: its header, the escaping of "--", round trips and failed writes.
#include <gtest/gtest.h>

#include <array>
#include <random>
#include <regex>

#include "core/dict/mdlDict.h"
#include "tests/core/dict/DictTestSupport.h"
#include "tests/support/LinearWalks.h"

namespace sahdict {
namespace {

using namespace test;

const std::u16string kRS = u"RUS-SAH";

TEST(SortDictionary, OrdersByCodeUnitAndKeepsFileOrderAmongEqualWords) {
  DictStore store;
  const std::array<std::u16string, 3> added[] = {
      {u"а", u"1", u"x"}, {u"Я", u"", u""}, {u"а", u"1", u"y"}, {u"z", u"", u""},
      {u"а", u"1", u"x"}, {u"Z", u"", u""}, {u"б", u"", u""},   {u"б", u"", u""},
  };
  for (const auto& [word, head, tr] : added) store.AddEntry(word, head, u"", tr, kRS);
  SortDictionary(store, nullptr);
  // A(x), A(y), A(x) all stay; the two identical б become one.
  EXPECT_EQ(Dump(store),
            (std::vector<std::u16string>{u"RUS-SAH|Z|||", u"RUS-SAH|z|||", u"RUS-SAH|Я|||", u"RUS-SAH|а|1||x",
                                         u"RUS-SAH|а|1||y", u"RUS-SAH|а|1||x", u"RUS-SAH|б|||"}));
}

// Empty, one-entry and small stores first, then larger ones.
TEST(SortDictionary, GivesTheExchangeSortsResult) {
  std::mt19937 rng(3);
  const std::u16string letters = u"аАбZz";
  for (int round = 0; round < 150; ++round) {
    DictStore fast, slow;
    const int n = round < 100 ? round % 12 : static_cast<int>(rng() % 400);
    for (int i = 0; i < n; ++i) {
      std::u16string word;
      for (int k = static_cast<int>(rng() % 3); k > 0; --k) word += letters[rng() % letters.size()];
      const std::u16string pair = rng() % 4 ? kRS : u"SAH-RUS", tr(1, u'0' + rng() % 2);
      fast.AddEntry(word, u"h", u"", tr, pair);
      slow.AddEntry(word, u"h", u"", tr, pair);
    }
    std::vector<std::u16string> fastProgress, slowProgress;
    SortDictionary(fast, [&](const std::u16string& t) { fastProgress.push_back(t); });
    ExchangeSortDictionary(slow, [&](const std::u16string& t) { slowProgress.push_back(t); });
    ASSERT_EQ(fast.GetEntryCount(), slow.GetEntryCount()) << round;
    ASSERT_EQ(Entries(fast), Entries(slow)) << round;
    // Both report something exactly when the store was out of order.
    EXPECT_EQ(fastProgress.empty(), slowProgress.empty()) << round << " n=" << n;
    for (const auto& t : fastProgress)
      EXPECT_TRUE(std::regex_match(
          ToUtf8(t), std::regex(R"(Rebuilding dictionary - \d+\.\d\d% complete, wait for \d+:\d\d:\d\d)")))
          << ToUtf8(t);
  }
}

TEST(SortDictionary, ProgressText) {
  const std::u16string start = u"Rebuilding dictionary - ";
  EXPECT_EQ(SortProgressText(0.125f, 7.0), start + u"12.50% complete, wait for 0:00:49");
  EXPECT_EQ(SortProgressText(0.5f, 2.5), start + u"50.00% complete, wait for 0:00:02");  // 2.5 s counts as 2
  EXPECT_EQ(SortProgressText(0.5f, 3.5), start + u"50.00% complete, wait for 0:00:04");
  EXPECT_EQ(SortProgressText(0.01f, 40.0), start + u"1.00% complete, wait for 1:06:00");
  EXPECT_EQ(SortProgressText(1.0f, 12.0), start + u"100.00% complete, wait for 0:00:00");
  EXPECT_EQ(SortProgressText(1.5f, 12.0), start + u"150.00% complete, wait for 0:00:00");  // past the estimate
}

std::vector<std::string> SplitCrLf(const std::string& bytes) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(bytes.substr(start, end - start));
  EXPECT_EQ(start, bytes.size()) << "text after the last CR LF";
  return lines;
}

TEST(WriteCompiled, HeaderFiveLinesPerEntryAndTrailer) {
  ScratchDir dir;
  const auto file = dir.File("compiled.dict");
  DictStore store;
  ASSERT_TRUE(WriteCompiled(store, file));
  std::vector<std::string> lines = SplitCrLf(ReadBytes(file));
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_TRUE(std::regex_match(lines[0], std::regex(R"(--date \d\d\.\d\d\.\d{4} \d{1,2}:\d\d:\d\d)"))) << lines[0];
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 1, lines.end()),
            (std::vector<std::string>{"--author SahDictionary ver 1.04 b27", "--encoding WIN", "--dicttype Sorted",
                                      "--dicttype RAWformat", "--# entries 0"}));

  store.AddEntry(u"дом", u"дом", u"сущ.", u".дьиэ", kRS);
  store.AddEntry(u"--", u"--x", u"--#", u"-- тире", u"RSE-SAH");
  ASSERT_TRUE(WriteCompiled(store, file));
  lines = SplitCrLf(ReadBytes(file));
  ASSERT_EQ(lines.size(), 16u);
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 5, lines.end()),
            (std::vector<std::string>{"\xE4\xEE\xEC", "\xE4\xEE\xEC", "\xF1\xF3\xF9.", ".\xE4\xFC\xE8\xFD", "RUS-SAH",
                                      " --", " --x", " --#", " -- \xF2\xE8\xF0\xE5", "RSE-SAH", "--# entries 2"}));
}

// Every byte but CR and LF, in every text field, survives read -> write -> read.
TEST(WriteCompiled, ReadsBackToTheSameStore) {
  ScratchDir dir;
  std::string all;
  for (int b = 1; b < 256; ++b)
    if (b != '\r' && b != '\n') all += static_cast<char>(b);
  const std::u16string every = DecodeCp1251(all);
  DictStore store;
  store.AddEntry(every, every, every, every, u"RUS-SAH");
  store.AddEntry(u"--", u"--", u"--", u"--", u" SAH-RUS ");
  store.AddEntry(u"", u"", u"", u"", u"");
  store.AddEntry(u"a\rb\r", std::u16string(u"\0\0", 2), u"- -", u"--dicttype Sorted", u"x\ry");
  store.AddEntry(u"ь", u"-- (дом)", u"", u"--languages X", u"RUS");
  SortDictionary(store, nullptr);
  const auto file = dir.File("compiled.dict");
  ASSERT_TRUE(WriteCompiled(store, file));
  DictStore back;
  const auto r = Read(back, file);
  EXPECT_TRUE(r.ok);
  EXPECT_TRUE(r.messages.empty());
  EXPECT_EQ(Entries(back), Entries(store));
}

TEST(WriteCompiled, FailureLeavesThePreviousFileAndNoTemporaryFile) {
  ScratchDir dir;
  const auto file = dir.File("compiled.dict");
  WriteBytes(file, "previous");
  DictStore store;
  store.AddEntry(u"а", u"а", u"", u"", u"--X");  // a pair the layout cannot hold
  WriteError error;
  EXPECT_FALSE(WriteCompiled(store, file, error));
  EXPECT_EQ(error.failure, WriteFailure::LangPair);
  EXPECT_NE(error.text.find("--X"), std::string::npos) << error.text;
  EXPECT_EQ(ReadBytes(file), "previous");

  store.ClearDictionary();
  store.AddEntry(u"а", u"а", u"", u"", kRS);
  EXPECT_FALSE(WriteCompiled(store, dir.File("no-such-folder") / "compiled.dict", error));
  std::filesystem::create_directory(dir.File("taken"));
  EXPECT_FALSE(WriteCompiled(store, dir.File("taken"), error));  // a folder stands in the way
  EXPECT_TRUE(std::filesystem::is_directory(dir.File("taken")));

  ASSERT_TRUE(WriteCompiled(store, file));  // and a good write replaces the file
  size_t names = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
    ++names;
    EXPECT_TRUE(entry.path().filename() == "compiled.dict" || entry.path().filename() == "taken") << entry.path();
  }
  EXPECT_EQ(names, 2u);
  EXPECT_NE(ReadBytes(file), "previous");
}

TEST(WriteCompiled, SortedClaimThatIsFalseIsReadInFileOrder) {
  ScratchDir dir;
  const auto file = dir.File("edited.dict");
  WriteBytes(file, DictText({u"--dicttype Sorted", u"--dicttype RAWformat", u"в", u"в", u"", u"", u"RUS-SAH", u"а",
                             u"а", u"", u"", u"RUS-SAH", u"б", u"б", u"", u"", u"RUS-SAH"}));
  DictStore store;
  ASSERT_TRUE(Read(store, file).ok);
  ASSERT_EQ(store.GetEntryCount(), 3);
  EXPECT_EQ(store.GetEntry(1, kRS).Word, u"в");
  for (const std::u16string text : {u"а", u"б", u"в", u"г", u""})
    EXPECT_EQ(store.FindFirstEntry(text, kRS), LinearFindFirstEntry(store, text, kRS)) << ToUtf8(text);
  EXPECT_EQ(store.FindFirstEntry(u"б", kRS), 1);  // the first entry "в" is already not below "б"
}

}  // namespace
}  // namespace sahdict
