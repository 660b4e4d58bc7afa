#pragma once
// An append-only file of records that a kill at any moment cannot spoil: each
// record is one line written at once, with a checksum, so a line cut short or
// damaged is found when the file is read. What cannot be read is never
// dropped silently: it is moved, as it was, to a file beside the journal.

#include <filesystem>
#include <string>
#include <vector>

namespace sahdict {

using JournalRecord = std::vector<std::u16string>;

class Journal {
 public:
  // The journal `path`; `badPath` receives what could not be read.
  Journal(std::filesystem::path path, std::filesystem::path badPath);

  struct Loaded {
    std::vector<JournalRecord> records;  // every record up to the first damage
    bool setAside = false;               // the rest of the file went to badPath
  };
  // Reads the records in order. A line cut short, a wrong checksum or a file
  // of another kind ends the reading: the rest is appended to badPath and the
  // journal is rewritten with the records read. A missing file has none.
  Loaded Load();

  // Appends one record (fields hold any text). False when the file cannot be
  // written; a link or anything but an ordinary file is never written through.
  bool Append(const JournalRecord& record);

  // Replaces the whole journal with `records` in one step: a kill leaves the
  // old file or the new one, never a mix.
  bool Rewrite(const std::vector<JournalRecord>& records);

  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_, badPath_;
};

// One record as its journal line, newline included, and back; nothing for a
// line that is not a whole, undamaged record.
std::string JournalLine(const JournalRecord& record);
bool ReadJournalLine(std::string_view line, JournalRecord& record);

}  // namespace sahdict
