#pragma once
// The program's two dictionary files: where they lie, loading the compiled
// dictionary and rebuilding it from the source.

#include <filesystem>

#include "core/dict/DictStore.h"
#include "core/dict/mdlDictParser.h"

namespace sahdict::app {

struct DictPaths {
  std::filesystem::path source;    // default.dict
  std::filesystem::path compiled;  // compiled.dict
  bool cached = false;             // compiled lies in the user's cache folder
  // default.dict lies in a folder that another user can write, and is not the
  // user's or root's own: it is never read.
  bool sourceUntrusted = false;

  // Both files in one folder.
  static DictPaths Beside(const std::filesystem::path& folder);
};

// Where the program finds its files. default.dict lies beside the program or,
// when it is not there, in ../share/sahdict of the installed layout.
// compiled.dict lies beside default.dict, unless that folder cannot be written
// (an installed program run by an ordinary user, or by root when the folder's
// mode has no write bit) or another user can write it: then it lies in
// `cacheFolder`, when one is given.
DictPaths LocateDictFiles(const std::filesystem::path& programFolder, const std::filesystem::path& cacheFolder);

class DictFiles {
 public:
  // `message` shows each message (the reader's and the rebuild's own);
  // `progress` receives the status texts of a sort.
  DictFiles(DictStore& store, DictPaths paths, MessageFn message, ProgressFn progress);

  const std::filesystem::path& CompiledPath() const { return paths_.compiled; }
  const std::filesystem::path& SourcePath() const { return paths_.source; }

  // Reads compiled.dict into the store. False, without a message, when it
  // cannot be read, gives any message, or does not end with the entries
  // trailer that counts what was read (a file cut short, damaged, or written
  // before the trailer existed): it then counts as absent. When memory runs
  // out while reading it, the store is left empty. A compiled.dict in a folder
  // another user can write that is not the user's or root's own is not read.
  // Also false when default.dict is there and is not the source it records
  // (size, modification time and hash of its bytes): the store then keeps what
  // was read, for the case that the rebuild cannot read default.dict.
  // Temporary files of compiled.dict that a killed rebuild left are removed first.
  bool LoadCompiled();

  enum class Outcome {
    Rebuilt,           // default.dict read, compiled.dict written and read back
    SourceUnreadable,  // default.dict could not be read; compiled.dict untouched
    OutOfMemory,       // memory ran out while reading default.dict; compiled.dict untouched
    NotCached,         // default.dict read, but compiled.dict could not be written
  };

  // Reads default.dict, writes compiled.dict from it (creating the cache
  // folder when it lies there) and reads that back.
  // compiled.dict is written only after default.dict was read in full. When
  // default.dict cannot be read, or holds no readable article, one message
  // says so and the store keeps the dictionary it held if that one had
  // loaded; otherwise it holds whatever could be read, or nothing when memory
  // ran out. When compiled.dict cannot be written, one message says why and
  // the store keeps what was read from default.dict. Of each read's own
  // messages the first ten are shown, then one that counts the rest.
  Outcome Rebuild();

 private:
  void Show(const std::u16string& text) const;
  // Reads with the messages shown as Rebuild describes; `outOfMemory` is set
  // when memory ran out (the store is then empty).
  ReadResult ReadShown(DictStore& store, const std::filesystem::path& path, bool& outOfMemory) const;

  DictStore& store_;
  DictPaths paths_;
  MessageFn message_;
  ProgressFn progress_;
  bool loaded_ = false;  // the store holds a dictionary that read in full
};

}  // namespace sahdict::app
