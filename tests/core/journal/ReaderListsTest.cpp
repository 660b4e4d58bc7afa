// The history and favourites journals: what a kill, damage and a foreign file
// leave, the lists' order and counts, and compaction.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/journal/ReaderLists.h"

namespace sahdict {
namespace {

namespace fs = std::filesystem;

class ReaderListsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = fs::temp_directory_path() / ("sahdict-lists-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
  }
  void TearDown() override { fs::remove_all(folder); }

  std::string Bytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }

  fs::path folder;
};

// Lookups in a child killed in the middle of a burst: every lookup it reported
// done is read back, and nothing is damaged.
TEST_F(ReaderListsTest, KillDuringABurstLosesNothingRecorded) {
  int done[2];
  ASSERT_EQ(::pipe(done), 0);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    LookupHistory history(folder);
    for (int i = 0;; ++i) {
      history.Record(u"слово" + std::u16string(1, static_cast<char16_t>(u'а' + i % 32)), u"RUS-SAH", i);
      if (::write(done[1], &i, sizeof i) != sizeof i) ::_exit(1);
    }
  }
  ::close(done[1]);
  int last = -1;
  for (int i; last < 300 && ::read(done[0], &i, sizeof i) == sizeof i;) last = i;
  ::kill(child, SIGKILL);
  ::waitpid(child, nullptr, 0);
  ::close(done[0]);

  LookupHistory history(folder);
  EXPECT_FALSE(history.Load().setAside);
  int32_t total = 0;
  for (const ListEntry& e : history.Entries()) total += e.count;
  EXPECT_GE(total, last + 1);
  EXPECT_EQ(history.Entries().size(), 32u);
}

// A damaged tail or a foreign file is read up to the damage; the rest goes,
// as it was, to history.bad; the journal goes on clean.
TEST_F(ReaderListsTest, DamageIsSetAsideNeverDropped) {
  {
    LookupHistory history(folder);
    history.Record(u"дом", u"RUS-SAH", 10);
    history.Record(u"уот", u"SAH-RUS", 11);
  }
  const fs::path journal = folder / "history.journal";
  std::string bytes = Bytes(journal);
  bytes.back() = 'X';  // the last line loses its end and its checksum fits no more
  std::ofstream(journal, std::ios::binary) << bytes;
  LookupHistory history(folder);
  EXPECT_TRUE(history.Load().setAside);
  ASSERT_EQ(history.Entries().size(), 1u);
  EXPECT_EQ(history.Entries()[0].word, u"дом");
  EXPECT_TRUE(Bytes(folder / "history.bad").ends_with("X"));
  history.Record(u"вода", u"RUS-SAH", 12);
  LookupHistory again(folder);
  EXPECT_FALSE(again.Load().setAside);
  EXPECT_EQ(again.Entries().size(), 2u);

  std::ofstream(folder / "favourites.journal", std::ios::binary) << "not a journal\n";
  Favourites favourites(folder);
  EXPECT_TRUE(favourites.Load().setAside);
  EXPECT_TRUE(favourites.Entries().empty());
  EXPECT_EQ(Bytes(folder / "favourites.bad"), "not a journal\n");
}

// Newest first with counts; capped and compacted to one record per word;
// favourites in the order last marked, a removal kept across starts; fields with
// tabs and line ends survive.
TEST_F(ReaderListsTest, OrderCountsCapAndFavourites) {
  LookupHistory history(folder);
  for (int i = 0; i < 3; ++i) history.Record(u"дом", u"RUS-SAH", i);
  history.Record(u"a\tb\nc\\", u"SAH-RUS", 5);
  ASSERT_EQ(history.Entries().size(), 2u);
  EXPECT_EQ(history.Entries()[0].word, u"a\tb\nc\\");
  EXPECT_EQ(history.Entries()[1].count, 3);
  for (size_t i = 0; i < LookupHistory::kMaxEntries + 5; ++i)
    history.Record(u"w" + std::u16string(1, static_cast<char16_t>(0x400 + i % 4096)) + std::u16string(1, static_cast<char16_t>(0x400 + i / 4096)), u"RUS-SAH", 100);
  EXPECT_EQ(history.Entries().size(), LookupHistory::kMaxEntries);
  ASSERT_TRUE(history.Compact());
  LookupHistory compacted(folder);
  compacted.Load();
  EXPECT_EQ(compacted.Entries().size(), LookupHistory::kMaxEntries);
  EXPECT_EQ(compacted.Entries().front().word, history.Entries().front().word);
  EXPECT_LT(fs::file_size(folder / "history.journal"), 600'000u);

  Favourites favourites(folder);
  favourites.Add(u"уот", u"SAH-RUS", 1);
  favourites.Add(u"дом", u"RUS-SAH", 2);
  favourites.Add(u"уот", u"SAH-RUS", 3);
  favourites.Remove(u"дом", u"RUS-SAH");
  favourites.Add(u"вода", u"RUS-SAH", 4);
  favourites.Remove(u"уот", u"SAH-RUS");
  favourites.Add(u"уот", u"SAH-RUS", 5);  // marked again: now the last
  Favourites read(folder);
  read.Load();
  ASSERT_EQ(read.Entries().size(), 2u);
  EXPECT_EQ(read.Entries()[0].word, u"вода");
  EXPECT_EQ(read.Entries()[1].word, u"уот");
  EXPECT_EQ(read.Entries()[1].time, 5);
  EXPECT_FALSE(read.Contains(u"дом", u"RUS-SAH"));
}

// A link planted in place of the journal is never written through.
TEST_F(ReaderListsTest, LinkIsNotFollowed) {
  const fs::path target = folder / "notes.txt";
  std::ofstream(target) << "notes";
  fs::create_symlink(target, folder / "history.journal");
  LookupHistory history(folder);
  EXPECT_FALSE(history.Record(u"дом", u"RUS-SAH", 1));
  EXPECT_TRUE(history.Compact());
  EXPECT_EQ(Bytes(target), "notes");
  EXPECT_FALSE(fs::is_symlink(folder / "history.journal"));
}

}  // namespace
}  // namespace sahdict
