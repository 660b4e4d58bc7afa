#include "core/export/Exporter.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <memory>
#include <new>
#include <optional>
#include <system_error>
#include <tuple>
#include <unordered_map>
#include <unordered_set>

#include "core/dict/LangTable.h"
#include "core/export/ArticleModel.h"
#include "core/export/DictZip.h"
#include "core/text/mdlCommon.h"
#include "core/text/mdlSah.h"

namespace sahdict::exporting {
namespace fs = std::filesystem;

namespace {

// Files written to temporaries in the target folder (or a folder in it),
// renamed together at the end.
class OutputSet {
 public:
  explicit OutputSet(fs::path dir) : dir_(std::move(dir)) {}
  ~OutputSet() {
    std::error_code ec;
    for (const auto& [temp, name] : files_) fs::remove(temp, ec);
    for (const fs::path& made : folders_) fs::remove(made, ec);  // only when left empty
  }

  // The folder in the target folder that the next files go to ("": the
  // target folder itself); false (with error()) when it cannot be made.
  bool Into(const std::string& folder) {
    sub_ = folder;
    std::error_code ec;
    if (folder.empty() || fs::is_directory(dir_ / folder, ec)) return true;
    if (!fs::create_directory(dir_ / folder, ec)) {
      error_ = "cannot create " + (dir_ / folder).string() + (ec ? ": " + ec.message() : "");
      return false;
    }
    folders_.push_back(dir_ / folder);
    return true;
  }

  // Writes one file's bytes; false (with error()) when it could not.
  bool Add(const std::string& name, std::string_view bytes) {
    return AddStream(name,
                     [&](std::ostream& out) { out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())); });
  }

  // Writes one file through `fill`; false (with error()) when it could not.
  bool AddStream(const std::string& name, const std::function<void(std::ostream&)>& fill) {
    const fs::path temp = dir_ / sub_ / ("." + name + ".part");
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) {
      error_ = "cannot write " + temp.string();
      return false;
    }
    files_.emplace_back(temp, sub_.empty() ? fs::path(name) : fs::path(sub_) / name);  // removed unless committed
    fill(out);
    out.close();
    if (!out) {
      error_ = "cannot write " + temp.string();
      return false;
    }
    return true;
  }

  // Gives every temporary its name; the list of final paths.
  bool Commit(std::vector<fs::path>& written) {
    for (const auto& [temp, name] : files_) {
      std::error_code ec;
      fs::rename(temp, dir_ / name, ec);
      if (ec) {
        error_ = "cannot rename " + temp.string() + ": " + ec.message();
        return false;
      }
      written.push_back(dir_ / name);
    }
    files_.clear();
    folders_.clear();
    return true;
  }

  const std::string& error() const { return error_; }

 private:
  fs::path dir_;
  std::string sub_;
  std::vector<std::pair<fs::path, fs::path>> files_;  // temporary, name in the target folder
  std::vector<fs::path> folders_;                     // made here, removed unless committed
  std::string error_;
};

constexpr std::pair<std::string_view, Format> kFormatNames[] = {
    {"stardict", Format::StarDict}, {"dictd", Format::Dictd}, {"xdxf", Format::Xdxf},
    {"dsl", Format::Dsl},           {"tsv", Format::Tsv}};

std::string U8(std::u16string_view text) { return ToUtf8(std::u16string(text)); }

// Control characters (a tab in an article) become spaces: no format keeps them.
std::u16string Clean(std::u16string text) {
  for (char16_t& c : text)
    if (c < 0x20 || c == 0x7F) c = u' ';
  return text;
}

std::u16string Problem(const std::u16string& word, Format format) {
  for (char16_t c : word) {
    if (c == u'\t') return u"tab";
    if (c == u'\n' || c == u'\r') return u"line break";
    if (c < 0x20 || c == 0x7F) return u"control character";
  }
  if (format == Format::StarDict && U8(word).size() >= 256) return u"256 bytes or more";
  return {};
}

std::string XmlEscape(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}
std::string Esc(std::u16string_view text) { return XmlEscape(U8(Clean(std::u16string(text)))); }

// One pair's dictionary ready for a writer.
struct PairData {
  std::u16string pair;
  std::string base;   // file names: "rus-sah"
  std::string title;  // the dictionary's name with the pair's languages
  bool own = false;   // every sense stands under its own headword (RUS-SAH)
  PairArticles art;
};

// One index entry: a headword and one of its senses.
struct Keyed {
  std::string word;  // UTF-8
  size_t headword;   // in art.Headwords
  size_t sense;      // in art.Senses
};

// The headword-sense pairs of the formats that index each sense under each
// of its words; words the format cannot hold are reported and left out.
std::vector<Keyed> IndexEntries(const PairData& d, Format format, ExportResult& result) {
  std::vector<Keyed> keys;
  for (size_t i = 0; i < d.art.Headwords.size(); ++i) {
    const HeadArticle& a = d.art.Headwords[i];
    const std::u16string problem = Problem(a.Word, format);
    if (!problem.empty()) {
      result.skipped.push_back({problem, a.Word});
      continue;
    }
    ++result.headwords;
    const std::string word = U8(a.Word);
    for (size_t s : a.SenseIds) keys.push_back({word, i, s});
  }
  return keys;
}

// The cards of the formats that list several headwords over one body: for
// each sense, the headwords it stands under, senses in order of their first headword.
std::vector<std::vector<size_t>> Cards(const PairData& d, Format format, ExportResult& result) {
  std::vector<std::vector<size_t>> cards(d.art.Senses.size());
  for (const Keyed& k : IndexEntries(d, format, result)) cards[k.sense].push_back(k.headword);
  return cards;
}

// The sense as plain lines under its own heading, wrapped for a terminal.
std::vector<std::u16string> SensePlain(const Sense& s) {
  const std::u16string word(s.HeadWord);
  return WrapLines(ArticleLines(HeadArticle{word, word, {s}, {}}), 78);
}

std::string DescriptionText(const DictInfo& info, std::string_view lineBreak) {
  std::string out = U8(info.Comments);
  auto add = [&](std::string_view label, const std::u16string& value) {
    if (value.empty()) return;
    if (!out.empty()) out += "\n";
    out += std::string(label) + U8(value);
  };
  add("Автор: ", info.Author);
  add("Версия: ", info.Version);
  add("Дата: ", info.Date);
  std::string joined;
  for (char c : out) {
    if (c == '\n')
      joined += lineBreak;
    else if (c != '\r')
      joined += c;
  }
  return joined;
}

// Lower case as the server folds a query: ASCII, Latin-1 and Cyrillic capitals.
char16_t FoldChar(char16_t c) {
  if ((c >= u'A' && c <= u'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return static_cast<char16_t>(c + 0x20);
  return LowerCyrillicLetter(c);
}

std::u16string FoldLower(std::u16string text) {
  for (char16_t& c : text) c = FoldChar(c);
  return text;
}

// The generated forms of a pair's Sakha headwords (a Sakha pair has about a
// hundred forms a word, over a million in all), kept lean: each form is one
// record in blocks that never move, named by its 32-bit place. A record is the
// form's length in UTF-8, a flag, the form, and, when the flag is set, the
// form folded to lower case: the key dictd compares (folding keeps each
// letter's length).
class FormList {
 public:
  struct Form {
    uint64_t head;  // the form's first bytes, ASCII folded, for sorting
    uint32_t tail;
    uint32_t at;  // the record's place
  };

  // Adds `form` of headword `h` unless a format cannot hold it (a control
  // character, 256 bytes or more) or the headword has it already. Headwords
  // come in increasing order.
  void Add(std::u16string_view form, size_t h) {
    if (form.empty() || form.size() > 255) return;
    bool folds = false;
    for (const char16_t c : form) {
      if (c < 0x20 || c == 0x7F) return;
      folds |= FoldChar(c) != c;
    }
    char* record = Room(2 + 6 * form.size());
    char* const text = record + 2;
    char* end = WriteUtf8(text, form);
    const auto size = static_cast<size_t>(end - text);
    if (size > 255) return;
    if (owners_.empty() || owners_.back() != h) {
      owners_.push_back(h);
      firsts_.push_back(Place());
      seen_.clear();
    }
    if (seen_.contains(std::string_view(text, size))) return;
    record[0] = static_cast<char>(size);
    record[1] = folds ? 1 : 0;
    if (folds) end = WriteUtf8(end, FoldLower(std::u16string(form)));
    Form f{0, 0, Commit(static_cast<size_t>(end - record))};
    seen_.insert(std::string_view(text, size));
    // The first twelve bytes as StarDict compares them: most comparisons end there.
    for (size_t i = 0; i < 12; ++i) {
      auto c = static_cast<unsigned char>(i < size ? text[i] : 0);
      if (folds && c >= 'A' && c <= 'Z') c += 32;
      if (i < 8)
        f.head = f.head << 8 | c;
      else
        f.tail = f.tail << 8 | c;
    }
    forms.push_back(f);
  }

  std::string_view Text(uint32_t form) const {
    const char* record = Record(form);
    return {record + 2, static_cast<unsigned char>(record[0])};
  }
  std::string_view Key(uint32_t form) const {
    const char* record = Record(form);
    const size_t size = static_cast<unsigned char>(record[0]);
    return {record + 2 + (record[1] != 0 ? size : 0), size};
  }
  size_t Headword(uint32_t form) const {
    return owners_[std::upper_bound(firsts_.begin(), firsts_.end(), form) - firsts_.begin() - 1];
  }

  std::vector<Form> forms;  // places increasing with the headword until sorted

 private:
  static constexpr uint32_t kBlockBits = 22;  // 4 MB blocks
  static constexpr size_t kBlock = size_t{1} << kBlockBits;

  // Space for a record of up to `size` bytes at the end of the last block.
  char* Room(size_t size) {
    if (blocks_.empty() || used_ + size > kBlock) {
      if (blocks_.size() == size_t{1} << (32 - kBlockBits)) throw std::bad_alloc();  // past 32-bit places
      blocks_.push_back(std::unique_ptr<char[]>(new char[kBlock]));
      used_ = 0;
    }
    return blocks_.back().get() + used_;
  }
  // The place of the next record; Room() comes first.
  uint32_t Place() const { return static_cast<uint32_t>(((blocks_.size() - 1) << kBlockBits) | used_); }
  // Keeps the `size` bytes written at Room(); their place.
  uint32_t Commit(size_t size) {
    const uint32_t at = Place();
    used_ += size;
    return at;
  }
  const char* Record(uint32_t at) const { return blocks_[at >> kBlockBits].get() + (at & (kBlock - 1)); }

  std::vector<std::unique_ptr<char[]>> blocks_;
  size_t used_ = 0;
  std::vector<size_t> owners_;    // the headwords that have forms, in order
  std::vector<uint32_t> firsts_;  // the place where each one's records begin
  std::unordered_set<std::string_view> seen_;  // the last headword's forms, in the blocks
};

// Every generated form of the pair's Sakha headwords, in StarDict order, each
// form of a headword once, less those a format cannot hold and those that are
// headwords of the pair themselves: readers would show the form's headword in
// place of the word's own entry. Made once for every format that lists forms.
FormList CollectForms(const PairData& d, const FormsFn& generate) {
  FormList list;
  if (!generate || PairFrom(d.pair) != u"SAH") return list;
  std::vector<std::string> headwords;
  // Room for the usual hundred forms a word or so, without copies on the way.
  list.forms.reserve(d.art.Headwords.size() * 128);
  for (size_t h = 0; h < d.art.Headwords.size(); ++h) {
    const HeadArticle& a = d.art.Headwords[h];
    if (!Problem(a.Word, Format::Dictd).empty()) continue;
    headwords.push_back(U8(a.Word));
    generate(a.SourceWord, [&](std::u16string_view f) { list.Add(f, h); });
  }
  std::sort(headwords.begin(), headwords.end(),
            [](const std::string& a, const std::string& b) { return StarDictCompare(a, b) < 0; });
  headwords.erase(std::unique(headwords.begin(), headwords.end()), headwords.end());
  std::vector<FormList::Form>& forms = list.forms;
  // By the first twelve bytes alone, then each run that shares them by the
  // whole form: the records are read only within such runs, mostly one
  // word's forms side by side. Places grow with the headword: equal forms
  // stay in headword order.
  auto prefix = [](const FormList::Form& f) { return std::pair(f.head, f.tail); };
  std::sort(forms.begin(), forms.end(), [&](const FormList::Form& a, const FormList::Form& b) {
    return std::tuple(a.head, a.tail, a.at) < std::tuple(b.head, b.tail, b.at);
  });
  for (auto run = forms.begin(); run != forms.end();) {
    const auto end = std::find_if(run, forms.end(), [&](const FormList::Form& f) { return prefix(f) != prefix(*run); });
    if (end - run > 1)
      std::sort(run, end, [&](const FormList::Form& a, const FormList::Form& b) {
        const int c = StarDictCompare(list.Text(a.at), list.Text(b.at));
        return c != 0 ? c < 0 : a.at < b.at;
      });
    run = end;
  }
  size_t kept = 0, h = 0;
  for (const FormList::Form& f : forms) {
    const std::string_view text = list.Text(f.at);
    while (h < headwords.size() && StarDictCompare(headwords[h], text) < 0) ++h;
    if (h < headwords.size() && headwords[h] == text) continue;
    forms[kept++] = f;
  }
  forms.resize(kept);
  return list;
}

// --- StarDict -------------------------------------------------------------

std::string SenseHtml(const Sense& s, bool own) {
  std::string html;
  if (!own) html += "<b>" + Esc(s.HeadWord) + "</b>" + (s.Note.empty() ? "" : " ");
  if (!s.Note.empty()) html += "<i>" + Esc(s.Note) + "</i>";
  if (!html.empty()) html += "<br>";
  bool inLine = false;
  for (const Block& b : *s.Blocks) {
    if (b.NewLine && inLine) html += "<br>";
    if (b.NewLine) inLine = false;
    if (b.Kind == BlockKind::Example) {
      html += "<div style=\"margin-left:1em\"><i>" + Esc(ExampleLine(b)) + "</i></div>";
      inLine = false;
      continue;
    }
    if (inLine) html += ' ';
    html += b.Kind == BlockKind::Remark ? "<font color=\"#6C6C6C\">" + Esc(b.Text) + "</font>" : Esc(b.Text);
    inLine = true;
  }
  return html;
}

void PutBe32(std::string& out, uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((v >> shift) & 0xFF);
}

bool WriteStarDict(const PairData& d, const DictInfo& info, const FormList* forms, OutputSet& files,
                   ExportResult& result) {
  // One index entry per headword, its senses in one text: readers show one
  // entry of a word. Headwords with the same senses share the text.
  std::vector<Keyed> keys;
  for (const Keyed& k : IndexEntries(d, Format::StarDict, result))
    if (keys.empty() || keys.back().headword != k.headword) keys.push_back(k);
  std::stable_sort(keys.begin(), keys.end(),
                   [](const Keyed& a, const Keyed& b) { return StarDictCompare(a.word, b.word) < 0; });
  std::unordered_map<std::string, std::pair<uint32_t, uint32_t>> placed;
  std::vector<std::string> senseHtml(d.art.Senses.size());  // each sense rendered once
  std::vector<uint32_t> entryOf(d.art.Headwords.size(), UINT32_MAX);
  std::string dict, idx;
  for (size_t n = 0; n < keys.size(); ++n) {
    const HeadArticle& a = d.art.Headwords[keys[n].headword];
    std::string senses;
    for (size_t s : a.SenseIds) senses.append(reinterpret_cast<const char*>(&s), sizeof s);
    auto [where, fresh] = placed.try_emplace(std::move(senses), 0, 0);
    if (fresh) {
      where->second.first = static_cast<uint32_t>(dict.size());
      for (size_t i = 0; i < a.SenseIds.size(); ++i) {
        if (i > 0) dict += "<br>";
        std::string& html = senseHtml[a.SenseIds[i]];
        if (html.empty()) html = SenseHtml(d.art.Senses[a.SenseIds[i]], d.own);
        dict += html;
      }
      where->second.second = static_cast<uint32_t>(dict.size() - where->second.first);
    }
    idx += keys[n].word;
    idx += '\0';
    PutBe32(idx, where->second.first);
    PutBe32(idx, where->second.second);
    entryOf[keys[n].headword] = static_cast<uint32_t>(n);
  }

  // Synonyms: every generated form of a Sakha headword, pointing to its index entry.
  size_t synCount = 0;
  if (forms != nullptr) {
    const bool written = files.AddStream(d.base + ".syn", [&](std::ostream& out) {
      std::string records;
      for (const FormList::Form& f : forms->forms) {
        const uint32_t entry = entryOf[forms->Headword(f.at)];
        if (entry == UINT32_MAX) continue;  // a headword StarDict cannot hold
        (records += forms->Text(f.at)) += '\0';
        PutBe32(records, entry);
        ++synCount;
        if (records.size() >= 1 << 16) {
          out.write(records.data(), static_cast<std::streamsize>(records.size()));
          records.clear();
        }
      }
      out.write(records.data(), static_cast<std::streamsize>(records.size()));
    });
    if (!written) return false;
  }
  result.synonyms += synCount;

  std::string ifo = "StarDict's dict ifo file\nversion=2.4.2\n";
  ifo += "bookname=" + d.title + "\n";
  ifo += "wordcount=" + std::to_string(keys.size()) + "\n";
  if (synCount > 0) ifo += "synwordcount=" + std::to_string(synCount) + "\n";
  ifo += "idxfilesize=" + std::to_string(idx.size()) + "\n";
  if (!info.Author.empty()) ifo += "author=" + U8(Clean(info.Author)) + "\n";
  const std::string description = DescriptionText(info, "<br>");
  if (!description.empty()) ifo += "description=" + description + "\n";
  if (!info.Date.empty()) ifo += "date=" + U8(Clean(info.Date)) + "\n";
  ifo += "sametypesequence=h\n";
  return files.Add(d.base + ".idx", idx) && files.Add(d.base + ".dict.dz", DictZip(dict)) &&
         files.Add(d.base + ".ifo", ifo);
}

// --- dictd ----------------------------------------------------------------

void AppendBase64Number(std::string& out, uint64_t v) {
  static constexpr char kDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  char digits[11];
  size_t n = 0;
  do {
    digits[n++] = kDigits[v & 63];
    v >>= 6;
  } while (v != 0);
  while (n > 0) out += digits[--n];
}

bool WriteDictd(const PairData& d, const DictInfo& info, const FormList* forms, OutputSet& files,
                ExportResult& result) {
  // The headwords' index lines; the generated forms' follow from a FormList.
  struct Line {
    std::string key;    // what the server compares: the folded word
    std::string shown;  // the word shown; empty when it is the key
    size_t body;        // in `bodies`
  };
  std::vector<Line> lines;
  std::vector<std::string> bodies(d.art.Senses.size());
  auto add = [&](std::string key, const std::string& shown, size_t body) {
    std::string differs = key == shown ? std::string() : shown;
    lines.push_back({std::move(key), std::move(differs), body});
  };
  auto meta = [&](const std::string& key, const std::string& value) {
    add(key, key, bodies.size());
    bodies.push_back(key + "\n    " + value + "\n");
  };
  meta("00-database-short", d.title);
  const std::string description = DescriptionText(info, "\n    ");
  meta("00-database-info", description.empty() ? d.title : description);
  meta("00-database-url", "unknown");
  // Flags to the server: UTF-8 text, and every character of a query counts.
  meta("00-database-utf8", "");
  meta("00-database-allchars", "");
  for (const Keyed& k : IndexEntries(d, Format::Dictd, result)) {
    std::string& body = bodies[k.sense];
    if (body.empty())
      for (const std::u16string& l : SensePlain(d.art.Senses[k.sense])) body += U8(Clean(l)) + "\n";
    add(U8(FoldLower(d.art.Headwords[k.headword].Word)), k.word, k.sense);
  }
  // The server finds words by halving the index in plain byte order.
  std::stable_sort(lines.begin(), lines.end(), [](const Line& a, const Line& b) { return a.key < b.key; });
  // The server has no synonyms: a generated form is an index line of its own
  // for each sense of its headword. Forms come in StarDict order, which is
  // the byte order of their folded keys unless folding met more than ASCII.
  static const FormList kNoForms;
  const FormList& list = forms != nullptr ? *forms : kNoForms;
  std::vector<FormList::Form> byKey;  // only when StarDict order is not theirs
  auto keyLess = [&](const FormList::Form& a, const FormList::Form& b) { return list.Key(a.at) < list.Key(b.at); };
  if (!std::is_sorted(list.forms.begin(), list.forms.end(), keyLess)) {
    byKey = list.forms;
    std::stable_sort(byKey.begin(), byKey.end(), keyLess);
  }
  const std::vector<FormList::Form>& sorted = byKey.empty() ? list.forms : byKey;

  std::string dict;
  std::vector<std::pair<size_t, size_t>> placed(bodies.size(), {0, SIZE_MAX});
  std::string buffer;  // index lines on their way to the file
  auto write = [&](std::ostream& out, std::string_view key, size_t body, std::string_view shown) {
    auto& [offset, size] = placed[body];
    if (size == SIZE_MAX) {
      offset = dict.size();
      size = bodies[body].size();
      dict += bodies[body];
      std::string().swap(bodies[body]);
    }
    (buffer += key) += '\t';
    AppendBase64Number(buffer, offset);
    buffer += '\t';
    AppendBase64Number(buffer, size);
    if (!shown.empty() && shown != key) (buffer += '\t') += shown;
    buffer += '\n';
    if (buffer.size() >= 1 << 16) {
      out.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
      buffer.clear();
    }
  };
  const bool indexed = files.AddStream(d.base + ".index", [&](std::ostream& out) {
    auto form = sorted.begin();
    auto formsBefore = [&](const std::string* key) {  // null: every form left
      for (; form != sorted.end() && (key == nullptr || list.Key(form->at) < *key); ++form)
        for (size_t sense : d.art.Headwords[list.Headword(form->at)].SenseIds)
          write(out, list.Key(form->at), sense, list.Text(form->at));
    };
    for (const Line& l : lines) {
      formsBefore(&l.key);
      write(out, l.key, l.body, l.shown);
    }
    formsBefore(nullptr);
    out.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
  });
  return indexed && files.Add(d.base + ".dict.dz", DictZip(dict));
}

// --- XDXF -----------------------------------------------------------------

std::string Today() {
  const auto now = std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now());
  const std::chrono::year_month_day ymd{now};
  char text[16];
  std::snprintf(text, sizeof text, "%02u-%02u-%04d", static_cast<unsigned>(ymd.day()),
                static_cast<unsigned>(ymd.month()), static_cast<int>(ymd.year()));
  return text;
}

std::string LangTag(std::u16string_view code) { return code == u"SAH" ? "sah" : "rus"; }

bool WriteXdxf(const PairData& d, const DictInfo& info, OutputSet& files, ExportResult& result) {
  const std::string from = LangTag(PairFrom(d.pair)), to = LangTag(PairTo(d.pair));
  std::string x = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  x += "<xdxf lang_from=\"" + from + "\" lang_to=\"" + to + "\" format=\"visual\" revision=\"34\">\n";
  x += "<meta_info>\n<languages><from xml:lang=\"" + from + "\"/><to xml:lang=\"" + to + "\"/></languages>\n";
  x += "<title>" + XmlEscape(d.title) + "</title>\n";
  x += "<full_title>" + XmlEscape(d.title) + "</full_title>\n";
  if (!info.Author.empty()) x += "<authors><author role=\"compiler\">" + Esc(info.Author) + "</author></authors>\n";
  const std::string description = DescriptionText(info, "\n");
  if (!description.empty()) x += "<description>" + XmlEscape(description) + "</description>\n";
  x += "<file_ver>" + (info.Version.empty() ? std::string("1") : Esc(info.Version)) + "</file_ver>\n";
  x += "<creation_date>" + Today() + "</creation_date>\n</meta_info>\n<lexicon>\n";
  const std::vector<std::vector<size_t>> cards = Cards(d, Format::Xdxf, result);
  for (size_t si = 0; si < cards.size(); ++si) {
    if (cards[si].empty()) continue;
    x += "<ar>";
    for (size_t i : cards[si]) x += "<k>" + Esc(d.art.Headwords[i].Word) + "</k>";
    const Sense& s = d.art.Senses[si];
    x += "<def>";
    if (!d.own) x += "<co>" + Esc(s.HeadWord) + "</co> ";
    if (!s.Note.empty()) x += "<gr>" + Esc(s.Note) + "</gr> ";
    x += "<deftext>";
    bool inLine = false;
    for (const Block& b : *s.Blocks) {
      if (b.NewLine && inLine) x += "<br/>";
      if (b.Kind == BlockKind::Example) {
        const bool rusFirst = from == "rus";
        x += "<ex type=\"exm\"><ex_orig>" + Esc(rusFirst ? b.Russian : b.Sakha) + "</ex_orig>";
        const std::u16string& tran = rusFirst ? b.Sakha : b.Russian;
        if (!tran.empty()) x += "<ex_tran>" + Esc(tran) + "</ex_tran>";
        x += "</ex>";
        inLine = false;
        continue;
      }
      if (inLine) x += ' ';
      x += b.Kind == BlockKind::Remark ? "<co>" + Esc(b.Text) + "</co>" : "<dtrn>" + Esc(b.Text) + "</dtrn>";
      inLine = true;
    }
    x += "</deftext></def>";
    x += "</ar>\n";
  }
  x += "</lexicon>\n</xdxf>\n";
  return files.Add(d.base + ".xdxf", x);
}

// --- DSL ------------------------------------------------------------------

// Body text with the characters that DSL reads as markup escaped.
std::u16string DslEscape(std::u16string_view text, bool headword) {
  std::u16string out;
  for (char16_t c : Clean(std::u16string(text))) {
    const bool special = c == u'[' || c == u']' || c == u'{' || c == u'}' || c == u'\\' || c == u'@' || c == u'~' ||
                         c == u'<' || c == u'>' || (headword && (c == u'(' || c == u')'));
    if (special || (headword && out.empty() && c == u'#')) out += u'\\';
    out += c;
  }
  return out;
}

std::string Utf16Le(std::u16string_view text, bool bom) {
  std::string out;
  out.reserve(text.size() * 2 + 2);
  if (bom) out += "\xFF\xFE";
  for (char16_t c : text) {
    out += static_cast<char>(c & 0xFF);
    out += static_cast<char>(c >> 8);
  }
  return out;
}

bool WriteDsl(const PairData& d, const DictInfo& info, OutputSet& files, ExportResult& result) {
  const std::u16string title = FromUtf8(d.title);
  std::u16string name = Clean(title);
  std::replace(name.begin(), name.end(), u'"', u'\'');  // the name stands in quotes
  std::u16string t = u"#NAME\t\"" + name + u"\"\r\n";
  // Readers' language lists rarely have Sakha; Russian serves for both sides.
  t += u"#INDEX_LANGUAGE\t\"Russian\"\r\n#CONTENTS_LANGUAGE\t\"Russian\"\r\n\r\n";
  const std::vector<std::vector<size_t>> cards = Cards(d, Format::Dsl, result);
  for (size_t si = 0; si < cards.size(); ++si) {
    if (cards[si].empty()) continue;
    for (size_t i : cards[si]) t += DslEscape(d.art.Headwords[i].Word, true) + u"\r\n";
    const Sense& s = d.art.Senses[si];
    std::u16string line = u"\t[m1]";
    if (!d.own) line += u"[b]" + DslEscape(s.HeadWord, false) + u"[/b] ";
    if (!s.Note.empty()) line += u"[p]" + DslEscape(s.Note, false) + u"[/p] ";
    bool inLine = false;
    auto flush = [&] {
      if (inLine || line.size() > 5) t += line + u"[/m]\r\n";
      line = u"\t[m1]";
      inLine = false;
    };
    for (const Block& b : *s.Blocks) {
      if (b.NewLine) flush();
      if (b.Kind == BlockKind::Example) {
        flush();
        t += u"\t[m2][ex]" + DslEscape(ExampleLine(b), false) + u"[/ex][/m]\r\n";
        continue;
      }
      if (inLine) line += u' ';
      line += b.Kind == BlockKind::Remark ? u"[com]" + DslEscape(b.Text, false) + u"[/com]"
                                          : u"[trn]" + DslEscape(b.Text, false) + u"[/trn]";
      inLine = true;
    }
    flush();
    t += u"\r\n";
  }
  std::u16string ann = Clean(title) + u"\r\n" + FromUtf8(DescriptionText(info, "\r\n")) + u"\r\n";
  return files.Add(d.base + ".dsl", Utf16Le(t, true)) && files.Add(d.base + ".ann", Utf16Le(ann, true));
}

// --- TSV ------------------------------------------------------------------

bool WriteTsv(const PairData& d, const DictInfo& info, OutputSet& files, ExportResult& result) {
  // Header lines of the kind flash-card programs skip: the separator, then comments.
  std::string t = "#separator:tab\n#" + d.title + "\n";
  const std::string description = DescriptionText(info, " ");
  if (!description.empty()) t += "#" + description + "\n";
  // A sense's text on one line, made once for all the headwords it stands under.
  std::vector<std::string> senseTexts(d.art.Senses.size());
  auto SenseText = [&](size_t id, const Sense& s) -> const std::string& {
    std::string& text = senseTexts[id];
    if (!text.empty()) return text;
    std::u16string joined;
    for (const std::u16string& l : SenseLines(s, u""))
      joined += (joined.empty() ? u"" : joined.back() == u';' ? u" " : u" / ") + l;
    return text = U8(Clean(joined));
  };
  for (const HeadArticle& a : d.art.Headwords) {
    const std::u16string problem = Problem(a.Word, Format::Tsv);
    if (!problem.empty()) {
      result.skipped.push_back({problem, a.Word});
      continue;
    }
    ++result.headwords;
    const bool single = SingleSense(a);
    std::vector<std::u16string_view> notes;
    std::string text;
    for (size_t i = 0; i < a.Senses.size(); ++i) {
      const Sense& s = a.Senses[i];
      if (!s.Note.empty() && std::find(notes.begin(), notes.end(), s.Note) == notes.end()) notes.push_back(s.Note);
      if (!text.empty()) text += " | ";
      if (!single) text += U8(Clean(std::u16string(s.HeadWord))) + ": ";
      text += SenseText(a.SenseIds[i], s);
    }
    t += U8(a.Word) + "\t";
    for (size_t i = 0; i < notes.size(); ++i) t += (i > 0 ? "; " : "") + U8(Clean(std::u16string(notes[i])));
    t += "\t" + text + "\n";
  }
  return files.Add(d.base + ".tsv", t);
}

std::string LowerAscii(std::u16string_view pair) {
  std::string out = U8(pair);
  for (char& c : out) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
  return out;
}

}  // namespace

int StarDictCompare(std::string_view a, std::string_view b) {
  const size_t n = std::min(a.size(), b.size());
  size_t i = 0;
  // Equal bytes are equal folded: skip the common beginning eight at a time.
  for (uint64_t x = 0, y = 0; i + 8 <= n; i += 8) {
    std::memcpy(&x, a.data() + i, 8);
    std::memcpy(&y, b.data() + i, 8);
    if (x != y) break;
  }
  for (; i < n; ++i) {
    auto ca = static_cast<unsigned char>(a[i]), cb = static_cast<unsigned char>(b[i]);
    if (ca == cb) continue;
    if (ca >= 'A' && ca <= 'Z') ca += 32;
    if (cb >= 'A' && cb <= 'Z') cb += 32;
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
  const int plain = a.compare(b);
  return plain < 0 ? -1 : plain > 0 ? 1 : 0;
}

std::vector<Format> FormatsNamed(std::string_view name) {
  std::vector<Format> formats;
  for (const auto& [n, f] : kFormatNames)
    if (name == n || name == "all") formats.push_back(f);
  return formats;
}

ExportResult ExportDictionary(const DictStore& store, const DictInfo& info, const fs::path& outDir,
                              const ExportOptions& options) {
  ExportResult result;
  auto fail = [&](ExportStatus status, std::string error) {
    result.status = status;
    result.error = std::move(error);
    result.skipped.clear();
    result.headwords = result.synonyms = 0;
    return result;
  };

  std::vector<std::u16string> pairs = options.pairs;
  if (pairs.empty()) {
    for (const char16_t* p : {u"RUS-SAH", u"RSE-SAH", u"SAH-RUS"})
      if (store.GetPairCount(p) > 0) pairs.push_back(p);
    if (pairs.empty()) return fail(ExportStatus::NoEntries, "the dictionary has no entries to export");
  }
  for (const std::u16string& p : pairs)
    if (store.GetPairCount(p) == 0) return fail(ExportStatus::NoEntries, "no entries of " + U8(p));

  std::error_code ec;
  if (fs::exists(outDir, ec) && !fs::is_directory(outDir, ec))
    return fail(ExportStatus::WriteFailed, outDir.string() + " is not a folder");
  if (fs::is_directory(outDir, ec) && !options.force && !fs::is_empty(outDir, ec))
    return fail(ExportStatus::OutDirNotEmpty, outDir.string() + " holds other files (--force writes there anyway)");
  fs::create_directories(outDir, ec);
  if (ec) return fail(ExportStatus::WriteFailed, "cannot create " + outDir.string() + ": " + ec.message());

  OutputSet files(outDir);
  ParsedTexts parsed;  // an article's text serves every pair it appears in
  for (const std::u16string& p : pairs) {
    PairData d;
    d.pair = p;
    d.base = LowerAscii(p);
    const std::u16string name = info.Name.empty() ? u"Русско-якутский словарь" : info.Name;
    d.title = U8(Clean(name)) + " (" + U8(LangName(LangNumber(PairFrom(p)))) + " → " +
              U8(LangName(LangNumber(PairTo(p)))) + ")";
    d.art = CollectArticles(store, p, options.notation, parsed);
    d.own = p == u"RUS-SAH";
    // The Sakha pair's word forms, made once for the formats that list them
    // and let go after the last of them.
    auto listsForms = [](Format f) { return f == Format::StarDict || f == Format::Dictd; };
    auto formsLeft = options.forms && PairFrom(p) == u"SAH"
                         ? std::count_if(options.formats.begin(), options.formats.end(), listsForms)
                         : 0;
    std::optional<FormList> forms;
    if (formsLeft > 0) forms = CollectForms(d, options.forms);
    for (const Format format : options.formats) {
      // Several formats go to a folder each: StarDict and dictd both write NAME.dict.dz.
      const auto named = std::find_if(std::begin(kFormatNames), std::end(kFormatNames),
                                      [&](const auto& n) { return n.second == format; });
      if (!files.Into(options.formats.size() > 1 ? std::string(named->first) : std::string()))
        return fail(ExportStatus::WriteFailed, files.error());
      bool ok = false;
      switch (format) {
        case Format::StarDict:
          ok = WriteStarDict(d, info, forms ? &*forms : nullptr, files, result);
          break;
        case Format::Dictd:
          ok = WriteDictd(d, info, forms ? &*forms : nullptr, files, result);
          break;
        case Format::Xdxf:
          ok = WriteXdxf(d, info, files, result);
          break;
        case Format::Dsl:
          ok = WriteDsl(d, info, files, result);
          break;
        case Format::Tsv:
          ok = WriteTsv(d, info, files, result);
          break;
      }
      if (!ok) return fail(ExportStatus::WriteFailed, files.error());
      if (listsForms(format) && formsLeft > 0 && --formsLeft == 0) forms.reset();
    }
  }
  // A headword that several formats leave out is told once.
  std::vector<Skipped> once;
  for (Skipped& s : result.skipped)
    if (std::none_of(once.begin(), once.end(), [&](const Skipped& o) { return o.Reason == s.Reason && o.Word == s.Word; }))
      once.push_back(std::move(s));
  result.skipped = std::move(once);
  if (!files.Commit(result.written)) return fail(ExportStatus::WriteFailed, files.error());
  return result;
}

}  // namespace sahdict::exporting
