#pragma once
// The dictionary reader: text layout (one article per paragraph) and raw layout
// (five lines per entry), both Windows-1251 (or UTF-8) with CR LF line ends.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "core/dict/DictCallbacks.h"
#include "core/dict/DictStore.h"
#include "core/dict/SourceIdentity.h"

namespace sahdict {

struct ReadResult {
  bool opened = false;  // the file could be opened (only an ordinary file can)
  bool ok = false;      // the reader's result
  // The system's reason when the file could not be opened or a read failed
  // ("No such file or directory", "Input/output error"); empty otherwise.
  std::string error;
  // The file gave no entry at all (empty, headers only, every article broken,
  // or lines that never end): a failed read, `ok` is false.
  bool noArticle = false;
  // Lines of the file were read as UTF-8 rather than Windows-1251.
  bool utf8 = false;
  // The bytes read (size and hash) and the file's modification time when opened.
  SourceIdentity identity;
  // The source that a compiled file records it was made from (kSourceLine).
  std::optional<SourceIdentity> recordedSource;
  // N of a last line "--# entries N" ended by CR LF (kEntriesTrailer), else -1.
  int64_t trailerEntries = -1;
};

// What to tell the user about a read with `noArticle`.
inline constexpr char16_t kNoArticleMessage[] = u"В словаре нет ни одной читаемой статьи";

// Replaces the store's content with the file's entries and sorts them when the
// file asks for it. `ok` is false, without a message, when the file cannot be
// opened or read; entries read until then stay in the store. A file that
// cannot be opened leaves the store empty. Only an ordinary file (or a link to
// one) is opened; a FIFO or device is refused like a missing file.
//
// A file that begins with the UTF-8 byte-order mark, or that is valid UTF-8
// with at least one multi-byte character, is read as UTF-8: the mark is
// dropped, real Sakha letters become the notation
// (RealLettersToNotation), and "--encoding UTF-8" is accepted. A file whose
// valid multi-byte characters outnumber its invalid bytes is UTF-8 too: one
// message names its first line with an invalid byte, and each such byte
// reads as U+FFFD. A mark over text that is mostly not UTF-8 gives one
// message naming that line, and the text is read as Windows-1251, like any
// other file. The check reads the whole file once before the real read.
// A file this program wrote (its "--author" line says so) is read in the
// encoding it declares. A CR inside a line of the text layout gives one
// message naming the line; the CR stays text.
ReadResult ReadDictionary(DictStore& store, const std::filesystem::path& path, const MessageFn& message,
                          const ProgressFn& progress);

// The translation with each marked word (the text after a "." up to the next
// space) rewritten into the canonical letter notation. After a rewrite the
// search for the next "." resumes one past the word's end as it stood before
// the rewrite, which is how the reader has always stored its translations.
std::u16string NormalizeMarkedWords(const std::u16string& translation);

}  // namespace sahdict
