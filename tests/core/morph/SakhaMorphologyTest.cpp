// The Sakha morphology model: paradigm cells of each stem shape written from
// grammar descriptions, analyses of real-text forms, bad input, and the
// round trip (every generated form analyses back to its word) over the corpus.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>

#include "core/dict/DictStore.h"
#include "core/dict/mdlDictParser.h"
#include "core/morph/SakhaMorphology.h"
#include "core/text/mdlCommon.h"
#include "core/text/mdlSah.h"

namespace sahdict::morph {
namespace {

std::u16string Notation(std::u16string_view letters) {
  std::u16string t(letters);
  return TypedSakhaToNotation(t);
}

// A small dictionary: Word "lemma (meaning)", Note the grammar label.
class MorphTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::pair<std::u16string_view, std::u16string_view> words[] = {
        {u"оҕо", u"сущ."},       {u"ийэ", u"сущ."},    {u"дьиэ", u"сущ."},  {u"ат", u"сущ."},   {u"сурук", u"сущ."},
        {u"ох", u"сущ."},        {u"ас", u"сущ."},     {u"күн", u"сущ."},   {u"дьон", u"сущ."}, {u"кыыл", u"сущ."},
        {u"сир", u"сущ."},       {u"уот", u"сущ."},    {u"туох", u"мест."}, {u"саха", u"сущ."}, {u"дьахтар", u"сущ."},
        {u"бар", u"гл."},        {u"кэл", u"гл."},     {u"көр", u"гл."},    {u"тут", u"гл."},   {u"аһаа", u"гл."},
        {u"үлэлээ", u"гл."},     {u"олохтоо", u"гл."}, {u"сиэ", u"гл."},    {u"суруй", u"гл."}, {u"тэп", u"гл."},
        {u"алдьат", u"гл."},     {u"көмөлөс", u"гл."}, {u"ыллаа", u"гл."},  {u"таҕыс", u"гл."}, {u"талаа", u"гл."},
        {u"дьиэмсэх", u"прил."}, {u"үчүгэй", u""},     {u"кыыс", u"гл."},   {u"киһи", u"сущ."}, {u"сырыт", u"гл."},
    };
    for (const auto& [w, note] : words) {
      store.AddEntry(Notation(w) + u" (x)", u"x", note, u".x", u"SAH-RUS");
    }
    store.SetEntryCount(static_cast<int32_t>(std::size(words)));
    std::vector<int32_t>& order = store.OrderIndex();
    std::sort(order.begin() + 1, order.end(),
              [&](int32_t a, int32_t b) { return store.WordAt(a).Text() < store.WordAt(b).Text(); });
  }
  DictStore store;
  SakhaMorphology model{store};
};

struct Cell {
  std::u16string_view word, features, form;
};

// Forms from the grammar's tables, one or more per stem shape: vowel-final,
// final т к х с н л р й, long vowel and diphthong.
TEST_F(MorphTest, GeneratesParadigmCellsOfEveryStemShape) {
  const Cell cells[] = {
      {u"оҕо", u"мн. ч.", u"оҕолор"},
      {u"оҕо", u"1 л. ед. ч. притяж.", u"оҕом"},
      {u"оҕо", u"3 л. ед. ч. притяж.", u"оҕото"},
      {u"оҕо", u"вин. п.", u"оҕону"},
      {u"оҕо", u"исх. п.", u"оҕоттон"},
      {u"оҕо", u"дат.-мест. п.", u"оҕоҕо"},
      {u"оҕо", u"твор. п.", u"оҕонон"},
      {u"оҕо", u"3 л. ед. ч. притяж., дат.-мест. п.", u"оҕотугар"},
      {u"оҕо", u"мн. ч., дат.-мест. п.", u"оҕолорго"},
      {u"оҕо", u"мн. ч., 1 л. ед. ч. притяж.", u"оҕолорум"},
      {u"ийэ", u"1 л. ед. ч. притяж.", u"ийэм"},
      {u"дьиэ", u"3 л. ед. ч. притяж.", u"дьиэтэ"},
      {u"ат", u"мн. ч.", u"аттар"},
      {u"ат", u"дат.-мест. п.", u"акка"},
      {u"ат", u"1 л. мн. ч. притяж.", u"аппыт"},
      {u"ат", u"2 л. мн. ч. притяж.", u"аккыт"},
      {u"ат", u"1 л. ед. ч. притяж., дат.-мест. п.", u"аппар"},
      {u"ат", u"1 л. ед. ч. притяж., исх. п.", u"аппыттан"},
      {u"ат", u"3 л. ед. ч. притяж., дат.-мест. п.", u"атыгар"},
      {u"ат", u"совм. п.", u"аттыын"},
      {u"сурук", u"1 л. ед. ч. притяж.", u"суругум"},
      {u"сурук", u"1 л. мн. ч. притяж.", u"сурукпут"},
      {u"сурук", u"дат.-мест. п.", u"сурукка"},
      {u"ох", u"3 л. ед. ч. притяж.", u"оҕо"},
      {u"ох", u"дат.-мест. п.", u"оххо"},
      {u"ас", u"вин. п.", u"аһы"},
      {u"күн", u"мн. ч.", u"күннэр"},
      {u"күн", u"исх. п.", u"күнтэн"},
      {u"күн", u"дат.-мест. п.", u"күҥҥэ"},
      {u"дьон", u"1 л. мн. ч. притяж.", u"дьоммут"},
      {u"кыыл", u"мн. ч.", u"кыыллар"},
      {u"сир", u"мн. ч.", u"сирдэр"},
      {u"уот", u"дат.-мест. п.", u"уокка"},
      {u"туох", u"исх. п.", u"туохтан"},
      {u"саха", u"сказ., 1 л. ед. ч.", u"сахабын"},
      {u"бар", u"наст. вр., 1 л. ед. ч.", u"барабын"},
      {u"бар", u"наст. вр., 3 л. мн. ч.", u"бараллар"},
      {u"бар", u"отр., наст. вр., 1 л. ед. ч.", u"барбаппын"},
      {u"бар", u"отр., наст. вр., 3 л. мн. ч.", u"барбаттар"},
      {u"бар", u"прош. вр., 1 л. ед. ч.", u"бардым"},
      {u"бар", u"перф., 1 л. ед. ч.", u"барбыппын"},
      {u"бар", u"буд. вр., 1 л. ед. ч.", u"барыаҕым"},
      {u"бар", u"буд. вр., 3 л. мн. ч.", u"барыахтара"},
      {u"бар", u"усл. накл., 3 л. ед. ч.", u"бардаҕына"},
      {u"бар", u"повел. накл., 2 л. мн. ч.", u"барыҥ"},
      {u"бар", u"отр. повел. накл., 2 л. ед. ч.", u"барыма"},
      {u"бар", u"отр., деепр. (-бакка)", u"барбакка"},
      {u"кэл", u"прош. вр., 3 л. ед. ч.", u"кэллэ"},
      {u"кэл", u"наст. вр., 3 л. мн. ч.", u"кэлэллэр"},
      {u"көр", u"наст. вр., 1 л. ед. ч.", u"көрөбүн"},
      {u"көр", u"буд. вр., 3 л. ед. ч.", u"көрүө"},
      {u"тут", u"прош. вр., 3 л. ед. ч.", u"тутта"},
      {u"тут", u"перф., 3 л. ед. ч.", u"туппут"},
      {u"аһаа", u"наст. вр., 3 л. ед. ч.", u"аһыыр"},
      {u"аһаа", u"отр., наст. вр., 3 л. ед. ч.", u"аһаабат"},
      {u"аһаа", u"прош. вр., 3 л. ед. ч.", u"аһаата"},
      {u"аһаа", u"деепр. (-ан)", u"аһаан"},
      {u"үлэлээ", u"наст. вр., 3 л. мн. ч.", u"үлэлииллэр"},
      {u"олохтоо", u"наст. вр., 3 л. ед. ч.", u"олохтуур"},
      {u"сиэ", u"наст. вр., 3 л. ед. ч.", u"сиир"},
      {u"суруй", u"прош. вр., 3 л. ед. ч.", u"суруйда"},
      {u"алдьат", u"давнопрош. вр., 3 л. ед. ч.", u"алдьаппыта"},
      {u"көмөлөс", u"отр., наст. вр., 3 л. мн. ч.", u"көмөлөспөттөр"},
  };
  for (const Cell& c : cells) {
    EXPECT_EQ(ToUtf8(model.Generate(c.word, c.features)), ToUtf8(Notation(c.form)))
        << ToUtf8(std::u16string(c.word)) << ": " << ToUtf8(std::u16string(c.features));
  }
  EXPECT_EQ(model.Generate(u"оҕо", u"нет таких признаков"), u"");
  // The word-forms grid: number x possessor x case.
  EXPECT_EQ(model.NounForm(u"оҕо", 2, 3, 3), Notation(u"оҕолоругар"));
  EXPECT_EQ(model.NounForm(u"ат", 1, 0, 1), u"ат");
  EXPECT_EQ(model.NounForm(u"ат", 1, 3, 2), u"");
  EXPECT_EQ(model.NounForm(u"ат", 3, 0, 1), u"");
}

// Real-text forms lead to their word, with the analysis named as expected.
TEST_F(MorphTest, AnalysesLeadToTheWord) {
  const Cell cases[] = {
      // form, lemma, the first analysis's description
      {u"ыллыырыгар", u"ыллаа", u"прич. наст. вр., 3 л. ед. ч. притяж., дат.-мест. п."},
      {u"олохтуур", u"олохтоо", u""},
      {u"убаастаабат", u"", u""},
      {u"алдьаппыта", u"алдьат", u"давнопрош. вр., 3 л. ед. ч."},
      {u"көмөлөспөттөр", u"көмөлөс", u"отр., наст. вр., 3 л. мн. ч."},
      {u"тэбиллэллэр", u"тэп", u"страд. залог, наст. вр., 3 л. мн. ч."},
      {u"тахсар", u"таҕыс", u""},
      {u"талыыр", u"талаа", u""},
      {u"дьахталлар", u"дьахтар", u"мн. ч."},
      {u"дьиэм", u"дьиэ", u"1 л. ед. ч. притяж."},
      {u"уоту", u"уот", u"вин. п."},
      {u"күннэр", u"күн", u"мн. ч."},
      {u"оҕото", u"оҕо", u"3 л. ед. ч. притяж."},
      {u"оҕу", u"ох", u"вин. п."},
      {u"көрөбүн", u"көр", u"наст. вр., 1 л. ед. ч."},
      {u"үчүгэйбин", u"үчүгэй", u"сказ., 1 л. ед. ч."},
      {u"дьиэмсэх", u"дьиэмсэх", u"нач. форма"},
      // Exceptions the grammars list, and a noun reading its label does not back.
      {u"кыргыттарга", u"кыыс", u"мн. ч., дат.-мест. п."},
      {u"киһиэхэ", u"киһи", u"дат.-мест. п."},
      {u"сылдьыбыт", u"сырыт", u"перф., 3 л. ед. ч."},
      {u"тахсыбыт", u"таҕыс", u"перф., 3 л. ед. ч."},
      {u"тэбиллибит", u"тэп", u"страд. залог, перф., 3 л. ед. ч."},
  };
  for (const Cell& c : cases) {
    const auto found = model.Analyze(c.word);
    if (c.form.empty() && c.features.empty()) {
      EXPECT_TRUE(found.empty()) << ToUtf8(std::u16string(c.word));  // not a word of this dictionary
      continue;
    }
    ASSERT_FALSE(found.empty()) << ToUtf8(std::u16string(c.word));
    EXPECT_EQ(found.front().Lemma, Notation(c.features)) << ToUtf8(std::u16string(c.word));
    if (!c.form.empty()) {
      EXPECT_EQ(ToUtf8(found.front().Description), ToUtf8(std::u16string(c.form)));
    }
  }
  // The same in the notation, and the morphemes named.
  const auto found = model.Analyze(u"кOрOбYн");
  ASSERT_FALSE(found.empty());
  EXPECT_EQ(found.front().Segmentation(), u"кOр+OбYн");
  EXPECT_EQ(found.front().Class, WordClass::Verb);
  EXPECT_EQ(found.front().Word, u"кOр (x)");
}

TEST_F(MorphTest, ParadigmsListNounsAndVerbsOnly) {
  const auto noun = model.Paradigm(u"оҕо");
  ASSERT_GT(noun.size(), 100u);
  EXPECT_EQ(noun.front().Form, u"о5о");
  const auto verb = model.Paradigm(u"бар");
  ASSERT_GT(verb.size(), 100u);
  EXPECT_EQ(verb.front().Features, u"повел. накл., 2 л. ед. ч.");
  // A word with no label is both.
  EXPECT_GT(model.Paradigm(u"үчүгэй").size(), noun.size() + 50);
  EXPECT_TRUE(model.Paradigm(u"нетслова").empty());
  // GenerateAll walks the suffix tree on its own: the same forms as the rows.
  for (const char16_t* word : {u"оҕо", u"бар", u"үчүгэй"}) {
    std::set<std::u16string> rows;
    for (const ParadigmRow& r : model.Paradigm(word)) rows.insert(r.Form);
    EXPECT_EQ(model.GenerateAll(word), std::vector<std::u16string>(rows.begin(), rows.end()));
  }
}

// Russian words, digits, Latin letters, mixed scripts and a 1,000-letter
// word give no analysis and take no time worth noticing.
TEST_F(MorphTest, BadInputIsAnsweredQuickly) {
  const std::u16string inputs[] = {u"",
                                   u"здравствуйте",
                                   u"12345",
                                   u"hello",
                                   u"оҕоhello",
                                   u"5о-о5о",
                                   u"'''",
                                   u"\u0301",
                                   std::u16string(1000, u'а'),
                                   std::u16string(5000, u'о') + u"ҕо"};
  for (const auto& input : inputs) {
    const auto start = std::chrono::steady_clock::now();
    const auto found = model.Analyze(input);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    EXPECT_TRUE(found.empty()) << ToUtf8(input);
  }
  const auto garbage = model.Analyze(u"оҕолорбутугарбытыттанлар");
  EXPECT_LE(garbage.size(), 64u);
}

// Every Sakha word of the corpus: a spread of its generated forms (different
// cells for neighbouring words, so that all cells are covered) analyse back to
// the word.
TEST(MorphCorpus, GeneratedFormsAnalyseBackToTheirWord) {
  if (!std::filesystem::exists(SAHDICT_CORPUS_PATH)) GTEST_SKIP() << "corpus not found: " << SAHDICT_CORPUS_PATH;
  DictStore store;
  const ReadResult read = ReadDictionary(store, SAHDICT_CORPUS_PATH, nullptr, nullptr);
  ASSERT_TRUE(read.ok);
  const SakhaMorphology model(store);
  ASSERT_GT(model.LexiconSize(), 10000u);
  std::set<std::u16string> seen;
  size_t words = 0, forms = 0, misses = 0;
  const std::u16string pair = u"SAH-RUS";
  for (int32_t k = 1; k <= store.GetPairCount(pair); ++k) {
    const std::u16string word = store.WordAt(k, pair).Text();
    const std::u16string lemma = word.substr(0, word.find(u" ("));
    if (!seen.insert(lemma).second) continue;
    const auto rows = model.Paradigm(lemma);
    if (rows.empty()) continue;
    ++words;
    for (size_t j = 0; j < 2; ++j) {
      const auto& row = rows[(words * 7 + j * 37) % rows.size()];
      ++forms;
      const auto found = model.Analyze(row.Form);
      const bool back = std::any_of(found.begin(), found.end(), [&](const Analysis& a) { return a.Lemma == lemma; });
      if (!back && ++misses <= 10) {
        ADD_FAILURE() << ToUtf8(lemma) << " / " << ToUtf8(row.Features) << ": " << ToUtf8(row.Form);
      }
    }
  }
  EXPECT_GT(words, 10000u);
  EXPECT_EQ(misses, 0u) << "of " << forms << " forms";
}

// The hand-written forms of corpus words (tests/data/morph/eval-forms.txt):
// the share whose best analysis names their word, and the share whose word is
// among the first eight words the analyses name, by class.
TEST(MorphCorpus, HandWrittenFormsLeadToTheirWord) {
  if (!std::filesystem::exists(SAHDICT_CORPUS_PATH)) GTEST_SKIP() << "corpus not found: " << SAHDICT_CORPUS_PATH;
  DictStore store;
  ASSERT_TRUE(ReadDictionary(store, SAHDICT_CORPUS_PATH, nullptr, nullptr).ok);
  const SakhaMorphology model(store);
  std::ifstream in(SAHDICT_TEST_DATA "/morph/eval-forms.txt");
  ASSERT_TRUE(in.good());
  struct Count {
    int all = 0, first = 0, listed = 0;
  };
  std::map<std::string, Count> counts;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    const size_t a = line.find('\t'), b = line.find('\t', a + 1);
    const std::string cls = line.substr(0, a);
    const std::u16string form = FromUtf8(line.substr(a + 1, b - a - 1));
    const std::u16string lemma = Notation(FromUtf8(line.substr(b + 1)));
    const auto found = model.Analyze(form);
    std::vector<std::u16string> lemmas;
    for (const Analysis& x : found) {
      if (std::find(lemmas.begin(), lemmas.end(), x.Lemma) == lemmas.end()) lemmas.push_back(x.Lemma);
    }
    Count& c = counts[cls];
    ++c.all;
    c.first += !lemmas.empty() && lemmas.front() == lemma;
    const bool listed = std::find(lemmas.begin(), lemmas.begin() + std::min<size_t>(8, lemmas.size()), lemma) !=
                        lemmas.begin() + std::min<size_t>(8, lemmas.size());
    c.listed += listed;
    if (!listed) std::printf("missed %s: %s\n", cls.c_str(), ToUtf8(form).c_str());
  }
  for (const auto& [cls, c] : counts) {
    std::printf("%s: %d forms, best analysis %d (%.1f %%), among the first eight %d (%.1f %%)\n", cls.c_str(), c.all,
                c.first, 100.0 * c.first / c.all, c.listed, 100.0 * c.listed / c.all);
    EXPECT_GE(c.listed, c.all * 9 / 10) << cls;
  }
}

}  // namespace
}  // namespace sahdict::morph
