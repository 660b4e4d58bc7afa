#pragma once
// Sorting with duplicate removal, and the writer of the compiled dictionary.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "core/dict/DictCallbacks.h"
#include "core/dict/DictStore.h"
#include "core/dict/SourceIdentity.h"

namespace sahdict {

// Orders the store by Word (ordinal, stable) and merges neighbouring entries
// that are identical in all five fields. Progress texts go to `progress` (may
// be empty) while a store that is out of order is sorted; a store already in
// order reports nothing.
void SortDictionary(DictStore& store, const ProgressFn& progress);

// Why WriteCompiled failed: nothing, a language pair the layout cannot hold,
// a target that is not an ordinary file, or the system (folder, disk).
enum class WriteFailure { None, LangPair, NotOrdinaryFile, System };

struct WriteError {
  WriteFailure failure = WriteFailure::None;
  std::string text;  // the reason, in English, for the tool and logs
};

// The comment line that ends a compiled file, before the entry count in
// decimal: "--# entries 12". Reading takes it for a comment (in the raw layout
// a line left over, which makes no entry); a compiled file whose last line is
// not this line with the right count was cut short or damaged.
inline constexpr std::string_view kEntriesTrailer = "--# entries ";

// How WriteCompiled writes.
struct CompiledOptions {
  // UTF-8 with "--encoding UTF-8" (for a source read as UTF-8, so that every
  // character survives), else Windows-1251 with "--encoding WIN".
  bool utf8 = false;
  // A symbolic link at `path` is followed to the file it names, as for a file
  // the user named; otherwise the link itself is replaced and nothing it
  // names is touched (the program's own files).
  bool followLink = true;
  // When given, a line after the date records the source (kSourceLine).
  std::optional<SourceIdentity> source;
};

// Writes the store in the raw layout, declaring it sorted, and ends it with
// the entries trailer. The file is replaced as a whole (FileReplacement):
// anything but an ordinary file (or a link) is refused, and on any failure
// `path` stays as it was and no temporary file is left. A Word,
// HeadWord, Note or Translation that begins with "--" is written with one
// leading space, which reading trims again; a LangPair that begins with "--"
// cannot be held by the layout and makes the write fail before anything is
// touched.
bool WriteCompiled(const DictStore& store, const std::filesystem::path& path);
bool WriteCompiled(const DictStore& store, const std::filesystem::path& path, WriteError& error,
                   const CompiledOptions& options = {});

// The sort's status text for a finished fraction (0..1) after elapsedSeconds:
// "Rebuilding dictionary - 12.50% complete, wait for 0:00:07".
std::u16string SortProgressText(float fraction, double elapsedSeconds);

}  // namespace sahdict
