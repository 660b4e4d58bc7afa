#pragma once
// The program's two dictionary files in the program folder: loading the
// compiled dictionary and rebuilding it from the source.

#include <filesystem>

#include "core/dict/DictStore.h"
#include "core/dict/mdlDictParser.h"

namespace sahdict::app {

class DictFiles {
 public:
  // `message` shows each message (the reader's and the rebuild's own);
  // `progress` receives the status texts of a sort.
  DictFiles(DictStore& store, std::filesystem::path folder, MessageFn message, ProgressFn progress);

  std::filesystem::path CompiledPath() const { return folder_ / "compiled.dict"; }
  std::filesystem::path SourcePath() const { return folder_ / "default.dict"; }

  // Reads compiled.dict into the store. False, without a message, when it
  // cannot be read, gives any message, or does not end with the entries
  // trailer that counts what was read (a file cut short, damaged, or written
  // before the trailer existed): it then counts as absent. When memory runs
  // out while reading it, the store is left empty.
  bool LoadCompiled();

  enum class Outcome {
    Rebuilt,           // default.dict read, compiled.dict written and read back
    SourceUnreadable,  // default.dict could not be read; compiled.dict untouched
    OutOfMemory,       // memory ran out while reading default.dict; compiled.dict untouched
    NotCached,         // default.dict read, but compiled.dict could not be written
  };

  // Reads default.dict, writes compiled.dict from it and reads that back.
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
  std::filesystem::path folder_;
  MessageFn message_;
  ProgressFn progress_;
  bool loaded_ = false;  // the store holds a dictionary that read in full
};

}  // namespace sahdict::app
