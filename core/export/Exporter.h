#pragma once
// Writing the dictionary in the formats other dictionary programs read:
// StarDict, dictd, XDXF, DSL and tab-separated text.

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/dict/DictStore.h"
#include "core/export/DictInfo.h"

namespace sahdict::exporting {

enum class Format { StarDict, Dictd, Xdxf, Dsl, Tsv };

// The format named "stardict", "dictd", "xdxf", "dsl" or "tsv", or all five
// for "all"; none for any other name.
std::vector<Format> FormatsNamed(std::string_view name);

// Calls `each` with the inflected forms of a Sakha headword (given in the
// store's notation), with real letters or in the canonical notation as the
// export's `notation` asks, in any order, a form perhaps more than once; the
// headword itself may be among them. StarDict's synonym file and the dictd
// index list them, so that a form finds its headword's article; forms that
// are headwords of the pair are left out.
using FormsFn =
    std::function<void(const std::u16string& word, const std::function<void(std::u16string_view form)>& each)>;

struct ExportOptions {
  // The formats to write: each pair's articles and word forms are made once
  // for all of them.
  std::vector<Format> formats{Format::StarDict};
  // The pairs to write, one dictionary each; empty: every pair of the store
  // among RUS-SAH, RSE-SAH and SAH-RUS.
  std::vector<std::u16string> pairs;
  bool notation = false;  // keep Sakha in the notation instead of real letters
  bool force = false;     // write into a folder that holds other files
  FormsFn forms;          // may be empty: no forms listed
};

enum class ExportStatus {
  Ok,
  OutDirNotEmpty,  // OUTDIR holds other files and force is off; nothing written
  NoEntries,       // a pair asked for has no entries; nothing written
  WriteFailed,     // a folder or file could not be written; nothing written
};

struct Skipped {
  std::u16string Reason;  // "tab", "line break", "control character", "256 bytes or more"
  std::u16string Word;
};

struct ExportResult {
  ExportStatus status = ExportStatus::Ok;
  std::string error;                           // why, in English, for WriteFailed and the others
  std::vector<std::filesystem::path> written;  // every file, in the order written
  std::vector<Skipped> skipped;                // headwords the format cannot hold
  size_t headwords = 0;                        // headwords written, over all pairs and formats
  size_t synonyms = 0;                         // StarDict synonym entries written
};

// Writes the store's dictionary in `options.formats` into `outDir` (created
// when missing), one dictionary per pair, named after the pair ("rus-sah.ifo",
// "sah-rus.dsl"...); with several formats, each in a folder named after it
// ("stardict/rus-sah.ifo"). Every file goes to a temporary in `outDir` first; only
// when all are complete do they take their names, so a failure leaves the
// folder as it was. Headwords the format cannot hold are listed in `skipped`
// and left out.
ExportResult ExportDictionary(const DictStore& store, const DictInfo& info, const std::filesystem::path& outDir,
                              const ExportOptions& options);

// The StarDict order of two UTF-8 words: ASCII letters folded to lower case
// first, then plain byte order. Negative, zero or positive.
int StarDictCompare(std::string_view a, std::string_view b);

}  // namespace sahdict::exporting
