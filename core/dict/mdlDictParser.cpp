#include "core/dict/mdlDictParser.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "core/dict/FileOpen.h"
#include "core/dict/SourceIdentity.h"
#include "core/dict/mdlDict.h"
#include "core/text/Cp1251.h"
#include "core/text/Utf8Scan.h"
#include "core/text/mdlCommon.h"
#include "core/text/mdlSah.h"
#include "generated/ProgramIdentity.h"

namespace sahdict {

namespace {

// Reads a file line by line through a fixed buffer. A line ends at LF; one CR
// right before the LF belongs to the line end, any other CR is text. The last
// line needs no line end.
class LineReader {
 public:
  // With `hash`, every byte read is fed to it as well.
  explicit LineReader(std::FILE* file, ByteHash* hash = nullptr) : file_(file), hash_(hash), buffer_(kBufferSize) {}

  // The next line without its line end, valid until the next call; false at
  // the end of the file or after a read error (then Failed() is true). A line
  // within the buffer is handed out in place; one that spans refills is
  // gathered first.
  bool Next(std::string_view& line) {
    spill_.clear();
    crLf_ = false;
    bool any = false;
    for (;;) {
      if (pos_ == len_ && !Refill()) {
        line = spill_;
        return any && !failed_;
      }
      any = true;
      const char* begin = buffer_.data() + pos_;
      const auto* lf = static_cast<const char*>(std::memchr(begin, '\n', len_ - pos_));
      if (lf == nullptr) {
        spill_.append(begin, len_ - pos_);
        pos_ = len_;
        continue;
      }
      pos_ = static_cast<size_t>(lf - buffer_.data()) + 1;
      if (spill_.empty()) {
        line = std::string_view(begin, static_cast<size_t>(lf - begin));
      } else {
        spill_.append(begin, static_cast<size_t>(lf - begin));
        line = spill_;
      }
      crLf_ = !line.empty() && line.back() == '\r';
      if (crLf_) line.remove_suffix(1);
      return true;
    }
  }

  bool Failed() const { return failed_; }
  // The system's reason for the failed read.
  int Errno() const { return errno_; }
  // The line that Next gave last ended with CR LF.
  bool EndedWithCrLf() const { return crLf_; }

 private:
  static constexpr size_t kBufferSize = 1 << 16;

  bool Refill() {
    if (failed_) return false;
    len_ = std::fread(buffer_.data(), 1, buffer_.size(), file_);
    pos_ = 0;
    if (std::ferror(file_) && errno_ == 0) errno_ = errno;
    if (len_ == 0 && std::ferror(file_)) failed_ = true;
    if (hash_ != nullptr) hash_->Feed({buffer_.data(), len_});
    return len_ > 0;
  }

  std::FILE* file_;
  ByteHash* hash_;
  std::vector<char> buffer_;
  std::string spill_;  // a line that spans refills
  size_t pos_ = 0;
  size_t len_ = 0;
  bool failed_ = false;
  bool crLf_ = false;
  int errno_ = 0;
};

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// How the open file reads as UTF-8, line by line.
struct Utf8Survey {
  bool mark = false;       // it begins with the byte-order mark
  bool utf8 = false;       // it is read as UTF-8
  bool anyInvalid = false;
  int64_t firstInvalidLine = 0;  // the first line with a byte that is not UTF-8
};

// Surveys the whole file, then goes back to its start. The file is UTF-8 when
// it has no invalid byte and either the mark or a multi-byte character, or
// when its valid multi-byte characters outnumber its invalid bytes: the text
// is then read in the encoding the rest of it is valid in. A file of this
// program is read as its header declares, so the survey ends at that header.
// False, with errno's reason in `error`, when the file cannot be read.
bool SurveyUtf8(std::FILE* file, Utf8Survey& survey, std::string& error) {
  LineReader lines(file);
  std::string_view line;
  Utf8Tally total;
  const std::string ownAuthor = "--author " + kCompiledAuthor + " ver ";
  bool own = false;
  for (int64_t number = 1; lines.Next(line); ++number) {
    if (number == 1) survey.mark = line.starts_with(kUtf8Mark);
    own = own || (number <= 3 && line.starts_with(ownAuthor));
    if (own && line.starts_with("--encoding ")) break;
    const Utf8Tally tally = TallyUtf8(line);
    if (tally.invalid > 0 && survey.firstInvalidLine == 0) survey.firstInvalidLine = number;
    total.multibyte += tally.multibyte;
    total.invalid += tally.invalid;
  }
  if (lines.Failed()) {
    error = std::strerror(lines.Errno());
    return false;
  }
  survey.anyInvalid = total.invalid > 0;
  survey.utf8 = total.invalid == 0 ? survey.mark || total.multibyte > 0 : total.multibyte > total.invalid;
  if (std::fseek(file, 0, SEEK_SET) != 0) {
    error = std::strerror(errno);
    return false;
  }
  return true;
}

// N of a line "--# entries N" (kEntriesTrailer) that ended with CR LF, else -1.
int64_t TrailerCount(std::string_view line, bool crLf) {
  if (!crLf || !line.starts_with(kEntriesTrailer)) return -1;
  const std::string_view digits = line.substr(kEntriesTrailer.size());
  if (digits.empty() || digits.size() > 18 || digits.find_first_not_of("0123456789") != std::string_view::npos)
    return -1;
  return std::stoll(std::string(digits));
}

struct FileCloser {
  std::FILE* file;
  ~FileCloser() {
    if (file != nullptr) std::fclose(file);
  }
};

// Calls `each(word)` for every marked word of `translation` that has at least
// one character: the text after a "." up to the next space or the end. The
// search goes on after that space.
template <typename Each>
void ForEachMarkedWord(const std::u16string& translation, Each each) {
  size_t start = 0;
  for (;;) {
    const size_t dot = translation.find(u'.', start);
    if (dot == std::u16string::npos) return;
    size_t end = translation.find(u' ', dot);
    if (end == std::u16string::npos) end = translation.size();
    if (end - dot > 1) each(translation.substr(dot + 1, end - dot - 1));
    start = end + 1;
  }
}

// The reader's state for one read of one file.
class DictReader {
 public:
  DictReader(DictStore& store, const MessageFn& message) : store_(store), message_(message) {}

  ReadResult Read(const std::filesystem::path& path, const ProgressFn& progress) {
    store_.ClearDictionary();
    ReadResult result;
    FileCloser file{OpenForReading(path, result.error)};
    if (file.file == nullptr) return result;
    result.opened = true;
    if (!SurveyUtf8(file.file, survey_, result.error)) return result;
    utf8_ = survey_.utf8;
#ifndef _WIN32
    result.identity.modified = ModifiedNanoseconds(::fileno(file.file));
#endif
    result.ok = ReadLines(file.file, progress, result);
    result.utf8 = anyUtf8_;
    return result;
  }

 private:
  // One line of the file as text: UTF-8 without the byte-order mark and with
  // real Sakha letters in the notation, or Windows-1251.
  // A line with a byte that is not UTF-8 gives one message for the file.
  void Decode(std::string_view bytes, std::u16string& line) {
    if (lineNumber_ == 1 && survey_.mark) bytes.remove_prefix(kUtf8Mark.size());
    const auto number = [&] { return FromUtf8(std::to_string(lineNumber_)); };
    if (!utf8_) {
      DecodeCp1251(bytes, line);
      if (survey_.mark && lineNumber_ == survey_.firstInvalidLine)
        Message(u"Файл начинается с метки UTF-8, но строка " + number() +
                u" не в UTF-8: словарь прочитан в кодировке Windows-1251");
      return;
    }
    anyUtf8_ = true;
    if (TallyUtf8(bytes, &line).invalid > 0 && !invalidShown_) {
      invalidShown_ = true;
      Message(u"Строка " + number() + u" не в кодировке UTF-8: неверные байты заменены знаком \uFFFD");
    }
    RealLettersToNotation(line);
  }

  bool ReadLines(std::FILE* file, const ProgressFn& progress, ReadResult& result) {
    ByteHash hash;
    std::string_view bytes;
    std::u16string text;
    LineReader lines(file, &hash);
    while (lines.Next(bytes)) {
      ++lineNumber_;
      result.trailerEntries = TrailerCount(bytes, lines.EndedWithCrLf());
      if (!raw_ && bytes.starts_with(kSourceLine)) result.recordedSource = ParseSourceLine(bytes);
      // A CR inside a line of an article joins what looks like two lines.
      if (!raw_ && !crShown_ && bytes.find('\r') != std::string_view::npos) {
        crShown_ = true;
        Message(u"Строка " + FromUtf8(std::to_string(lineNumber_)) +
                u" содержит одиночный знак CR (возврат каретки без перевода строки)");
      }
      // In the raw layout a line goes straight to its field of the group; a
      // header line there is overwritten by the next data line.
      std::u16string& line = raw_ ? group_[static_cast<size_t>(rawCounter_ % 5)] : text;
      Decode(bytes, line);
      if (StartsWith(line, u"--#")) line.clear();
      if (StartsWith(line, u"--")) {
        ParseEntryText(pending_);
        pending_.clear();
        std::u16string value = line.substr(2);
        const std::u16string key = CutFirstWord(value);
        ApplyHeader(key, value);
      } else if (raw_) {
        const size_t field = static_cast<size_t>(rawCounter_ % 5);
        if (field == 4) store_.AddEntry(group_[0], group_[1], group_[2], group_[3], group_[4]);
        ++rawCounter_;
      } else if (!line.empty()) {
        pending_ += u' ';
        pending_ += line;
      } else if (!pending_.empty()) {
        if (pair_.empty()) {
          Message(u"Не определен язык");
          return false;
        }
        ParseEntryText(pending_);
        pending_.clear();
      }
    }
    if (lines.Failed()) {
      result.error = std::strerror(lines.Errno());
      result.trailerEntries = -1;
      return false;
    }
    result.identity.size = hash.Size();
    result.identity.hash = hash.Value();
    ParseEntryText(pending_);
    pending_.clear();
    // Nothing that gave an entry (an empty file, headers only, every article
    // broken): not a dictionary to keep.
    if (store_.GetEntryCount() == 0) {
      result.noArticle = true;
      return false;
    }
    if (needsSort_ || needSahExtract_) SortDictionary(store_, progress);
    return true;
  }

  void Message(const std::u16string& text) const {
    if (message_) message_(text);
  }

  void ApplyHeader(const std::u16string& key, const std::u16string& value) {
    if (key == u"author") {
      // The files this program writes declare their encoding exactly.
      ownFile_ = StartsWith(value, FromUtf8(kCompiledAuthor + " ver "));
      return;
    }
    if (key == u"version" || key == u"date" || key == u"comments" || key == u"dictionary") return;
    if (key == u"languages") {
      pair_ = value;  // used even when the check below fails
      if (value != u"RUS-SAH") Message(u"Неправильный язык словаря");
    } else if (key == u"encoding") {
      // A declaration that the bytes allow is followed from here on; one the
      // bytes contradict is reported. A file of this program is read as it
      // declares, whatever its bytes look like.
      if (value == u"WIN") {
        if (ownFile_) utf8_ = false;
      } else if (value == u"UTF-8" && (utf8_ || !survey_.anyInvalid)) {
        utf8_ = true;
      } else {
        Message(u"Кодировка словаря неверна");
      }
    } else if (key == u"dicttype") {
      if (value == u"NeedSahExtract") {
        needSahExtract_ = true;
      } else if (value == u"NeedRusExtract") {
        needRusExtract_ = true;
      } else if (value == u"Sorted") {
        needsSort_ = false;
      } else if (value == u"RAWformat") {
        raw_ = true;
      } else {
        Message(u"Некорректный параметр dicttype " + value);
      }
    } else {
      Message(u"Некорректный параметр");
    }
  }

  void ParseEntryText(const std::u16string& text) {
    if (text.empty()) return;
    const size_t open = text.find(u'(');
    const size_t close = text.find(u')');
    const size_t dash = text.find(u"- ");
    if (open == std::u16string::npos || close == std::u16string::npos || dash == std::u16string::npos ||
        !(open < close && close < dash)) {
      // The number takes the place of a sign: two spaces before it.
      Message(u"Ошибка формата в строке  " + FromUtf8(std::to_string(lineNumber_)));
      return;
    }
    const std::u16string word = TrimSpaces(text.substr(0, open));
    const std::u16string note = TrimSpaces(text.substr(open + 1, close - open - 1));
    const std::u16string translation = NormalizeMarkedWords(TrimSpaces(text.substr(dash + 2)));

    // Every entry of the paragraph shares its headword, note and translation.
    const DictStore::ArticleTexts article = store_.KeepArticle(word, note, translation);
    store_.AddArticleEntry(article, pair_);

    if (needSahExtract_) {
      const std::u16string sahPair = ReversePair(pair_);
      ForEachMarkedWord(translation, [&](std::u16string marked) {
        StripNonSakha(marked);
        if (marked.empty() || marked == u"-") return;
        NormalizeSakha(marked);
        store_.AddDerivedEntry(article, marked, sahPair);
      });
    }

    if (needRusExtract_) {
      const std::u16string rusPair = u"RSE-" + PairTo(pair_);
      store_.AddArticleEntry(article, rusPair);
      size_t start = 0;
      while (start <= translation.size()) {
        size_t end = translation.find(u' ', start);
        if (end == std::u16string::npos) end = translation.size();
        std::u16string piece = translation.substr(start, end - start);
        start = end + 1;
        if (piece.empty() || piece.find(u'.') != std::u16string::npos) continue;
        StripNonRussian(piece);
        if (piece.empty() || piece == u"-" || piece == word) continue;
        store_.AddDerivedEntry(article, piece, rusPair);
      }
    }
  }

  DictStore& store_;
  const MessageFn& message_;

  std::u16string pair_;
  bool needSahExtract_ = false;
  bool needRusExtract_ = false;
  bool needsSort_ = true;
  bool raw_ = false;
  Utf8Survey survey_;
  bool utf8_ = false;     // lines are decoded as UTF-8
  bool anyUtf8_ = false;  // some line was
  bool ownFile_ = false;  // the file says this program wrote it
  bool invalidShown_ = false;
  bool crShown_ = false;
  int64_t lineNumber_ = 0;
  std::u16string pending_;
  int64_t rawCounter_ = 0;
  std::array<std::u16string, 5> group_;
};

}  // namespace

std::u16string NormalizeMarkedWords(const std::u16string& translation) {
  // The text being rewritten is out + translation[j..]: `out` holds what has
  // been produced so far, the rest is still as it came. After each rewritten
  // word the next search starts one past that word's end as it was *before*
  // the rewrite, so a word that got shorter skips characters after its space,
  // and one that got longer is searched again from inside its new tail.
  const std::u16string& src = translation;
  std::u16string out;
  out.reserve(src.size() + src.size() / 8);
  size_t j = 0;
  size_t start = 0;
  for (;;) {
    size_t dot = std::u16string::npos;
    std::u16string word;
    if (start < out.size()) {
      const size_t q = out.find(u'.', start);
      if (q != std::u16string::npos) {
        // The word runs on into the unprocessed rest up to its next space.
        size_t space = src.find(u' ', j);
        if (space == std::u16string::npos) space = src.size();
        word.assign(out, q + 1, std::u16string::npos);
        word.append(src, j, space - j);
        out.resize(q + 1);
        j = space;
        dot = q;
      } else {
        start = out.size();
      }
    }
    if (dot == std::u16string::npos) {
      const size_t skip = start - out.size();
      if (skip > src.size() - j) break;
      out.append(src, j, skip);
      j += skip;
      const size_t p = src.find(u'.', j);
      if (p == std::u16string::npos) break;
      out.append(src, j, p + 1 - j);
      j = p + 1;
      dot = out.size() - 1;
      size_t space = src.find(u' ', j);
      if (space == std::u16string::npos) space = src.size();
      word.assign(src, j, space - j);
      j = space;
    }
    const size_t end = dot + 1 + word.size();  // the space (or end) before the rewrite
    if (!word.empty()) NormalizeSakha(word);
    out += word;
    start = end + 1;
  }
  out.append(src, j, std::u16string::npos);
  return out;
}

ReadResult ReadDictionary(DictStore& store, const std::filesystem::path& path, const MessageFn& message,
                          const ProgressFn& progress) {
  DictReader reader(store, message);
  return reader.Read(path, progress);
}

}  // namespace sahdict
