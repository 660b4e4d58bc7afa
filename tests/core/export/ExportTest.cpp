// The export model and writers: the article structure, the StarDict order,
// dictzip's random access, what the files of each format hold, and that a
// failed or refused export leaves the folder as it was.
#include <gtest/gtest.h>
#include <zlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

#include "core/export/ArticleModel.h"
#include "core/export/Cards.h"
#include "core/export/DictZip.h"
#include "core/export/Exporter.h"
#include "core/text/mdlCommon.h"
#include "core/text/mdlSah.h"

namespace sahdict::exporting {
namespace {
namespace fs = std::filesystem;

std::string Slurp(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Each block as "kind:text", Examples as "E:russian|sakha", a "/" before a block on a new line.
std::string Shape(const std::vector<Block>& blocks) {
  std::string out;
  for (const Block& b : blocks) {
    out += (out.empty() ? "" : " ") + std::string(b.NewLine ? "/" : "");
    out += b.Kind == BlockKind::Example ? "E:" + ToUtf8(b.Russian) + "|" + ToUtf8(b.Sakha)
                                        : (b.Kind == BlockKind::Remark ? "R:" : "T:") + ToUtf8(b.Text);
  }
  return out;
}

TEST(ExportModel, TranslationsRemarksAndExamples) {
  const std::pair<const char16_t*, const char*> cases[] = {
      {u".кытыл (реки, озера)", "T:кытыл R:(реки, озера)"},
      {u".уу (холодная вода .тымныы .уу)", "T:уу E:холодная вода|тымныы уу"},
      {u".дьиэ; .балаган (.саhыл)", "T:дьиэ; /T:балаган T:(саһыл)"},
      {u"большой дом .улахан .дьиэ; малый .кыра", "E:большой дом|улахан дьиэ /E:малый|кыра"},
      {u".YOрэх*тэ, .н'уурдаах", "T:үөрэхтэ, ҥуурдаах"},
      {u"в сочет. с .тыал", "E:в сочет. с|тыал"},
      {u"", ""},
  };
  for (const auto& [translation, shape] : cases) EXPECT_EQ(Shape(ParseTranslation(translation, false)), shape);
  EXPECT_EQ(Shape(ParseTranslation(u".са5а (.YOрэх)", true)), "T:са5а T:(YOрэх)");
  EXPECT_EQ(WrapLines({u"  один два три четыре"}, 12),
            (std::vector<std::u16string>{u"  один два", u"    три", u"    четыре"}));
}

// Flash cards read back: a header for the importer, then word, translation
// and first example per line; real letters; quotes and tabs kept harmless.
TEST(ExportModel, CardsReadBack) {
  const std::vector<CardWord> words = {
      {u"дом", u"RUS-SAH", {u"RUS-SAH", u"дом", u"дом", u"сущ.", u".дьиэ; .балаган (мой дом .мин .дьиэм) (жилище)"}},
      {u"о5о (ребёнок)", u"SAH-RUS", {u"SAH-RUS", u"о5о (ребёнок)", u"ребёнок", u"", u"\"дитя\"\tмалое"}},
  };
  std::istringstream in(CardsTsv(words));
  std::vector<std::vector<std::string>> rows;
  for (std::string line; std::getline(in, line);) {
    std::vector<std::string> fields;
    for (size_t from = 0, tab; from <= line.size(); from = tab + 1) {
      tab = std::min(line.find('\t', from), line.size());
      fields.push_back(line.substr(from, tab - from));
    }
    rows.push_back(fields);
  }
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[0], std::vector<std::string>{"#separator:tab"});
  EXPECT_EQ(rows[1], std::vector<std::string>{"#html:false"});
  EXPECT_EQ(rows[2], (std::vector<std::string>{"дом", "дьиэ; балаган (жилище)", "мой дом — мин дьиэм"}));
  EXPECT_EQ(rows[3], (std::vector<std::string>{"оҕо", "\"\"\"дитя\"\" малое\"", ""}));
}

TEST(ExportModel, StarDictOrderFoldsAsciiOnly) {
  EXPECT_LT(StarDictCompare("Apple", "banana"), 0);
  EXPECT_LT(StarDictCompare("APPLE", "apple"), 0);  // equal when folded, then bytes
  EXPECT_LT(StarDictCompare("ab", "abc"), 0);
  EXPECT_GT(StarDictCompare("я", "Я"), 0);  // Cyrillic is not folded: byte order
  EXPECT_LT(StarDictCompare("Я", "а"), 0);
  EXPECT_EQ(StarDictCompare("дом", "дом"), 0);
}

// Unpacks chunk `k` alone, the way a reader does with the chunk table.
std::string Chunk(const std::string& dz, size_t k) {
  const auto u16 = [&](size_t at) { return size_t(uint8_t(dz[at])) | size_t(uint8_t(dz[at + 1])) << 8; };
  EXPECT_EQ(dz.substr(12, 2), "RA");
  const size_t count = u16(20);
  size_t at = 12 + u16(10);
  for (size_t i = 0; i < k; ++i) at += u16(22 + 2 * i);
  EXPECT_LT(k, count);
  z_stream z{};
  inflateInit2(&z, -MAX_WBITS);
  std::string out(kDictZipChunk, '\0');
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(dz.data() + at));
  z.avail_in = static_cast<uInt>(u16(22 + 2 * k));
  z.next_out = reinterpret_cast<Bytef*>(out.data());
  z.avail_out = static_cast<uInt>(out.size());
  EXPECT_EQ(inflate(&z, Z_PARTIAL_FLUSH), Z_OK) << k;  // readers take the stream's end for an error
  out.resize(out.size() - z.avail_out);
  inflateEnd(&z);
  return out;
}

TEST(ExportFormats, DictZipChunksUnpackOneByOne) {
  std::string data;
  for (int i = 0; data.size() < 3 * kDictZipChunk; ++i) data += std::to_string(i * 7919 % 10007) + " ";
  const std::string dz = DictZip(data);
  for (size_t k = 0; k < 4; ++k) EXPECT_EQ(Chunk(dz, k), data.substr(k * kDictZipChunk, kDictZipChunk)) << k;
  EXPECT_EQ(Chunk(DictZip(""), 0), "");
}

class ExportFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() /
          ("sahdict-export-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    store.AddEntry(u"вода", u"вода", u"сущ.", u".уу (холодная вода .тымныы .уу)", u"RUS-SAH");
    store.AddEntry(u"Дом", u"Дом", u"сущ.", u".дьиэ", u"RUS-SAH");
    store.AddEntry(u"два\tслова", u"два\tслова", u"", u".икки", u"RUS-SAH");
    store.AddEntry(std::u16string(130, u'ы'), std::u16string(130, u'ы'), u"", u".уһун", u"RUS-SAH");
    store.AddEntry(u"уу (вода)", u"вода", u"сущ.", u".уу (холодная вода .тымныы .уу)", u"SAH-RUS");
    store.AddEntry(u"дьиэ (дом)", u"Дом", u"сущ.", u".дьиэ", u"SAH-RUS");
    store.AddEntry(u"YOрэх (ученье)", u"ученье", u"сущ.", u".YOрэх", u"SAH-RUS");
    info.Name = u"Проба";
    info.Comments = u"строка 1\nстрока 2";
    options.forms = [](std::u16string w, const auto& each) {
      NotationToSakhaLetters(w);
      for (const std::u16string& form : {w, w + u"лар", w + u"ҕа", w + u"лар"}) each(form);
    };
  }
  void TearDown() override { fs::remove_all(dir); }

  ExportResult Run(Format format, std::vector<std::u16string> pairs = {}) {
    options.formats = {format};
    options.pairs = std::move(pairs);
    return ExportDictionary(store, info, dir, options);
  }

  fs::path dir;
  DictStore store;
  DictInfo info;
  ExportOptions options;
};

// Reads NUL-ended words each followed by `tail` big-endian bytes.
std::vector<std::pair<std::string, std::vector<uint32_t>>> Records(const std::string& bytes, int numbers) {
  std::vector<std::pair<std::string, std::vector<uint32_t>>> out;
  for (size_t at = 0; at < bytes.size();) {
    const size_t end = bytes.find('\0', at);
    auto& [word, values] = out.emplace_back(bytes.substr(at, end - at), std::vector<uint32_t>{});
    for (int i = 0; i < numbers; ++i) {
      uint32_t v = 0;
      for (int b = 0; b < 4; ++b) v = v << 8 | uint8_t(bytes[end + 1 + 4 * i + b]);
      values.push_back(v);
    }
    at = end + 1 + 4 * numbers;
  }
  return out;
}

std::string Gunzip(const fs::path& p) {
  gzFile f = gzopen(p.string().c_str(), "rb");
  std::string out;
  char buf[4096];
  for (int n; (n = gzread(f, buf, sizeof buf)) > 0;) out.append(buf, n);
  gzclose(f);
  return out;
}

TEST_F(ExportFiles, StarDictCountsOrderAndSynonyms) {
  store.AddEntry(u"дьиэ5а (дома)", u"дома", u"нареч.", u".дьиэ5а", u"SAH-RUS");  // also a form of "дьиэ"
  const ExportResult r = Run(Format::StarDict);
  ASSERT_EQ(r.status, ExportStatus::Ok) << r.error;
  ASSERT_EQ(r.skipped.size(), 2u);
  EXPECT_EQ(r.skipped[0].Reason + r.skipped[1].Reason, u"tab256 bytes or more");
  const auto idx = Records(Slurp(dir / "rus-sah.idx"), 2);
  ASSERT_EQ(idx.size(), 2u);
  EXPECT_EQ(idx[0].first, "Дом");  // Cyrillic capitals come first in byte order
  EXPECT_EQ(idx[1].first, "вода");
  const std::string dict = Gunzip(dir / "rus-sah.dict.dz");
  EXPECT_EQ(dict.substr(idx[1].second[0], idx[1].second[1]),
            "<i>сущ.</i><br>уу<div style=\"margin-left:1em\"><i>холодная вода — тымныы уу</i></div>");
  const std::string ifo = Slurp(dir / "sah-rus.ifo");
  const auto sahIdx = Records(Slurp(dir / "sah-rus.idx"), 2);
  const auto syn = Records(Slurp(dir / "sah-rus.syn"), 1);
  EXPECT_NE(ifo.find("wordcount=4\n"), std::string::npos) << ifo;
  EXPECT_NE(ifo.find("synwordcount=" + std::to_string(syn.size()) + "\n"), std::string::npos);
  EXPECT_NE(ifo.find("idxfilesize=" + std::to_string(fs::file_size(dir / "sah-rus.idx")) + "\n"), std::string::npos);
  EXPECT_NE(ifo.find("description=строка 1<br>строка 2\n"), std::string::npos);
  // Two forms of each word but the last, whose "5а" form is a headword of its
  // own; nor is a word its own synonym.
  ASSERT_EQ(syn.size(), 7u);
  std::map<std::string, std::string> lemma;
  for (size_t i = 0; i < syn.size(); ++i) {
    if (i > 0) {
      EXPECT_LE(StarDictCompare(syn[i - 1].first, syn[i].first), 0);
    }
    lemma[syn[i].first] = sahIdx.at(syn[i].second[0]).first;
  }
  EXPECT_EQ(lemma["үөрэхлар"], "үөрэх");
  EXPECT_EQ(lemma["дьиэлар"], "дьиэ");
  EXPECT_EQ(lemma.count("дьиэҕа"), 0u);
  EXPECT_FALSE(fs::exists(dir / "rse-sah.idx"));  // a pair without entries
}

// The dictd index: folded words in byte order, the word shown in a fourth
// column when folding changed it, and each generated form on a line of its
// own pointing to its headword's definition.
TEST_F(ExportFiles, DictdIndexFoldsAndListsForms) {
  // A form with a capital, which folding moves from its place in StarDict
  // order; forms of 255 and 256 bytes, the second too long to list.
  const std::u16string longest = std::u16string(127, u'ы') + u"a", tooLong(128, u'ы');
  options.forms = [plain = options.forms, longest, tooLong](const std::u16string& w, const auto& each) {
    plain(w, each);
    each(u"Уу" + w);
    each(longest);
    each(tooLong);
  };
  ASSERT_EQ(Run(Format::Dictd).status, ExportStatus::Ok);
  std::map<std::string, std::string> where;  // word shown -> its offset and length
  for (const char* file : {"rus-sah.index", "sah-rus.index"}) {
    std::istringstream index(Slurp(dir / file));
    std::string previous;
    for (std::string line; std::getline(index, line);) {
      const size_t t1 = line.find('\t'), t3 = line.find('\t', line.find('\t', t1 + 1) + 1);
      const std::string key = line.substr(0, t1);
      where[t3 == std::string::npos ? key : line.substr(t3 + 1)] = line.substr(t1, t3 - t1);
      EXPECT_LE(previous, key) << file;
      previous = key;
    }
  }
  EXPECT_TRUE(where.contains("Дом"));  // shown as written, found as "дом"
  EXPECT_EQ(where["үөрэхлар"], where["үөрэх"]);
  EXPECT_EQ(where["дьиэҕа"], where["дьиэ"]);
  EXPECT_EQ(where["Уудьиэ"], where["дьиэ"]);
  EXPECT_TRUE(where.contains(ToUtf8(longest)));
  EXPECT_FALSE(where.contains(ToUtf8(tooLong)));
  for (const char* meta : {"00-database-short", "00-database-info", "00-database-url", "00-database-utf8",
                           "00-database-allchars"})
    EXPECT_TRUE(where.contains(meta)) << meta;
}

TEST_F(ExportFiles, RefusedOrFailedExportsLeaveTheFolderAsItWas) {
  fs::create_directories(dir);
  std::ofstream(dir / "notes.txt") << "mine";
  EXPECT_EQ(Run(Format::Tsv).status, ExportStatus::OutDirNotEmpty);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), {}), 1);
  EXPECT_EQ(Run(Format::Tsv, {u"RSE-SAH"}).status, ExportStatus::NoEntries);
  options.force = true;
  fs::create_directories(dir / ".sah-rus.tsv.part");  // the second file cannot be written
  EXPECT_EQ(Run(Format::Tsv).status, ExportStatus::WriteFailed);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), {}), 2);
  fs::remove(dir / ".sah-rus.tsv.part");
  // All five formats, the last folder taken by a file: the folders made for
  // the others go again with their files.
  std::ofstream(dir / "tsv") << "mine";
  options.formats = FormatsNamed("all");
  EXPECT_EQ(ExportDictionary(store, info, dir, options).status, ExportStatus::WriteFailed);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), {}), 2);
  fs::remove(dir / "tsv");
  const ExportResult r = Run(Format::Tsv);
  ASSERT_EQ(r.status, ExportStatus::Ok);
  EXPECT_EQ(r.written.size(), 2u);
  EXPECT_EQ(Slurp(dir / "rus-sah.tsv"),
            "#separator:tab\n#Проба (Русский → Якутский)\n#строка 1 строка 2\n"
            "вода\tсущ.\tуу / холодная вода — тымныы уу\nДом\tсущ.\tдьиэ\n" +
                ToUtf8(std::u16string(130, u'ы')) + "\t\tуһун\n");
}

// DSL as a reader takes it: UTF-16LE after a byte-order mark, "#" header
// lines, headword lines, then body lines that begin with a tab; markup in
// brackets dropped and "\" escapes undone.
std::map<std::u16string, std::u16string> ReadDsl(const std::string& bytes, std::u16string& name) {
  EXPECT_EQ(bytes.substr(0, 2), "\xFF\xFE");
  std::u16string text;
  for (size_t i = 2; i + 1 < bytes.size(); i += 2) text += char16_t(uint8_t(bytes[i]) | uint8_t(bytes[i + 1]) << 8);
  std::map<std::u16string, std::u16string> cards;
  std::vector<std::u16string> heads;
  bool inBody = false;
  for (size_t at = 0; at < text.size();) {
    const size_t end = text.find(u"\r\n", at);
    const std::u16string line = text.substr(at, end - at);
    at = end + 2;
    if (line.starts_with(u"#NAME\t")) name = line.substr(7, line.size() - 8);
    if (line.empty() || line[0] == u'#') continue;
    if (line[0] != u'\t') {
      if (inBody) heads.clear();
      inBody = false;
      heads.push_back(line);
      continue;
    }
    inBody = true;
    std::u16string plain;
    int depth = 0;
    for (size_t i = 1; i < line.size(); ++i) {
      if (line[i] == u'\\') {
        plain += line[++i];
      } else if (line[i] == u'[' || line[i] == u']') {
        depth += line[i] == u'[' ? 1 : -1;
      } else if (depth == 0) {
        plain += line[i];
      }
    }
    for (std::u16string h : heads) {
      std::erase(h, u'\\');
      cards[h] += plain + u"\n";
    }
  }
  return cards;
}

TEST_F(ExportFiles, DslReadsBack) {
  store.AddEntry(u"[скобки](x)", u"[скобки](x)", u"", u".{a}~", u"RUS-SAH");
  ASSERT_EQ(Run(Format::Dsl).status, ExportStatus::Ok);
  std::u16string name;
  auto cards = ReadDsl(Slurp(dir / "rus-sah.dsl"), name);
  EXPECT_EQ(name, u"Проба (Русский → Якутский)");
  EXPECT_EQ(cards.size(), 4u);  // the word with a tab is left out; the long one stays
  EXPECT_EQ(cards[u"вода"], u"сущ. уу\nхолодная вода — тымныы уу\n");
  EXPECT_EQ(cards[u"[скобки](x)"], u"{a}~\n");
  cards = ReadDsl(Slurp(dir / "sah-rus.dsl"), name);
  EXPECT_EQ(cards[u"үөрэх"], u"ученье сущ. үөрэх\n");
}

TEST(ExportModel, HeaderFields) {
  const DictInfo info = ParseDictInfo(
      "--dictionary \xD1\xEB\xEE\xE2\xE0\xF0\r\n--author A\r\n--author B\r\n--comments one\r\n--# no\r\n"
      "--comments two\r\n--version 3\r\n");
  EXPECT_EQ(info.Name, u"Словар");
  EXPECT_EQ(info.Author, u"A");
  EXPECT_EQ(info.Comments, u"one\ntwo");
  EXPECT_EQ(info.Version, u"3");
  EXPECT_EQ(ParseDictInfo("\xEF\xBB\xBF--dictionary Словарь\n").Name, u"Словарь");
}

}  // namespace
}  // namespace sahdict::exporting
