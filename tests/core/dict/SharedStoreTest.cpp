// The store keeps each text once: built from random articles it gives the five
// texts of a plain build at every position, from the text file and from the
// compiled file alike, with equal texts kept once; and a long article is read
// in memory that grows with its text.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <map>
#include <new>
#include <random>

#include "core/dict/mdlDict.h"
#include "tests/core/dict/DictTestSupport.h"
#include "tests/core/dict/ReferenceBuild.h"

namespace sahdict {
namespace {

// Random text-layout files: words over a small alphabet (so that words, heads
// and whole articles repeat), marked Sakha words, misplaced brackets, lines
// of spaces, comment lines, and now and then a long article with a long head.
std::vector<std::u16string> RandomDictLines(std::mt19937& rng) {
  static const std::u16string pieces[] = {u"а", u"б", u"ы", u"дь", u"н'", u"5", u"O", u"h", u"-", u" ", u"."};
  auto pick = [&](size_t n) { return static_cast<size_t>(rng() % n); };
  auto word = [&](size_t maxLength) {
    std::u16string w;
    for (size_t k = 1 + pick(maxLength); k > 0; --k) w += pieces[pick(std::size(pieces))];
    return w;
  };
  std::vector<std::u16string> lines = {u"--languages RUS-SAH"};
  for (const auto* flag : {u"NeedSahExtract", u"NeedRusExtract", u"Sorted"})
    if (pick(3) != 0) lines.push_back(std::u16string(u"--dicttype ") + flag);
  for (size_t a = pick(25); a > 0; --a) {
    const bool isLong = pick(10) == 0;
    // Heads and notes from a small pool half of the time, so that articles share them.
    std::u16string text = pick(2) == 0 ? word(isLong ? 200 : 4) : std::u16string(1, u"абв"[pick(3)]);
    text += (pick(12) == 0 ? u" - x (" : u" (") + (pick(2) == 0 ? word(2) : u"сущ.") + u") - ";
    for (size_t w = isLong ? 300 : pick(8); w > 0; --w) text += (pick(3) == 0 ? u"." : u"") + word(4) + u" ";
    for (size_t cut; text.size() > 12 && (cut = pick(text.size() * 2)) < text.size();) {
      lines.push_back(text.substr(0, cut));  // the article goes on on the next line
      text.erase(0, cut);
    }
    lines.push_back(text);
    lines.push_back(pick(8) == 0 ? u"  " : pick(8) == 0 ? u"--# note" : u"");
  }
  return lines;
}

// Checks the store against the plain build and that equal texts are one text.
void ExpectSameAsReference(const DictStore& store, const std::vector<DictEntry>& expected, const char* what) {
  ASSERT_EQ(store.GetEntryCount(), static_cast<int32_t>(expected.size())) << what;
  std::map<std::u16string_view, const char16_t*> kept;
  for (int32_t p = 1; p <= store.GetEntryCount(); ++p) {
    const EntryView e = store.EntryAt(p);
    ASSERT_EQ(e.ToEntry(), expected[static_cast<size_t>(p) - 1]) << what << " position " << p;
    for (const std::u16string_view text : {e.HeadWord, e.Note, e.Translation, e.Word.Own}) {
      const char16_t* first = kept.try_emplace(text, text.data()).first->second;
      EXPECT_TRUE(text.empty() || first == text.data()) << what << ": two copies of a text";
    }
  }
}

TEST(SharedStore, GivesThePlainBuildsTextsAtEveryPosition) {
  std::mt19937 rng(2024);
  test::ScratchDir dir;
  const auto source = dir.File("source.dict");
  const auto compiled = dir.File("compiled.dict");
  for (int round = 0; round < 100; ++round) {
    test::WriteBytes(source, test::DictText(RandomDictLines(rng)));
    const std::vector<DictEntry> expected = test::ReferenceBuild(source);
    DictStore store;
    // A file whose every article is broken gives no entry and fails to read.
    ASSERT_TRUE(test::Read(store, source).ok || expected.empty()) << round;
    ExpectSameAsReference(store, expected, "text file");
    if (expected.empty()) continue;  // no entry: nothing to compile
    ASSERT_TRUE(WriteCompiled(store, compiled));
    DictStore back;
    ASSERT_TRUE(test::Read(back, compiled).ok) << round;
    ExpectSameAsReference(back, expected, "compiled file");
    if (HasFailure()) break;
  }
}

// One article of 20,000 Russian words behind a head of 2,000 characters, read
// with NeedRusExtract in a child process whose address space may grow by 64 MB
// only. Each derived entry repeating the article (or only its head) would need
// hundreds of megabytes to gigabytes.
TEST(SharedStore, LongArticleReadsInMemoryLinearInItsText) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "the sanitizer reserves more address space than any limit";
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
  GTEST_SKIP() << "the sanitizer reserves more address space than any limit";
#endif
#endif
  std::mt19937 rng(7);
  std::u16string article = std::u16string(1000, u'г') + u" " + std::u16string(999, u'д') + u" (сущ.) -";
  for (int w = 0; w < 20000; ++w) {
    article += u' ';
    for (size_t k = 3 + rng() % 5; k > 0; --k) article += static_cast<char16_t>(u'а' + rng() % 32);
  }
  test::ScratchDir dir;
  const auto file = dir.File("long.dict");
  test::WriteBytes(file, test::DictText({u"--languages RUS-SAH", u"--dicttype NeedRusExtract", u"", article}));

  long pages = 0;
  std::ifstream("/proc/self/statm") >> pages;  // the address space in use now
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    const rlimit limit{static_cast<rlim_t>(pages * ::sysconf(_SC_PAGESIZE)) + (rlim_t{64} << 20), RLIM_INFINITY};
    int code = 1;
    try {
      ::setrlimit(RLIMIT_AS, &limit);
      DictStore store;
      code = ReadDictionary(store, file, nullptr, nullptr).ok && store.GetEntryCount() > 15000 ? 0 : 2;
    } catch (const std::bad_alloc&) {
      code = 3;
    }
    ::_exit(code);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "2: read failed, 3: out of memory";
}

}  // namespace
}  // namespace sahdict
