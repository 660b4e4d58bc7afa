#include "app/DictFiles.h"

#include <utility>

#include "core/dict/mdlDict.h"

namespace sahdict::app {

DictFiles::DictFiles(DictStore& store, std::filesystem::path folder, MessageFn message, ProgressFn progress)
    : store_(store), folder_(std::move(folder)), message_(std::move(message)), progress_(std::move(progress)) {}

bool DictFiles::LoadCompiled() {
  // The file is the program's own: any message, or a last line other than
  // the trailer with the count just read, means it was cut short or damaged,
  // and it is rebuilt without a word about it.
  bool quiet = true;
  const ReadResult read = ReadDictionary(
      store_, CompiledPath(), [&](const std::u16string&) { quiet = false; }, progress_);
  loaded_ = read.ok && quiet && read.trailerEntries == store_.GetEntryCount();
  return loaded_;
}

DictFiles::Outcome DictFiles::Rebuild() {
  DictStore source;
  if (!ReadDictionary(source, SourcePath(), message_, progress_).ok) {
    if (!loaded_) store_ = std::move(source);
    if (message_) message_(u"Не удалось прочитать словарь default.dict");
    return Outcome::SourceUnreadable;
  }
  store_ = std::move(source);
  loaded_ = true;

  if (!WriteCompiled(store_, CompiledPath())) {
    if (message_)
      message_(u"Не удалось записать файл compiled.dict в папку программы. Словарь загружен из default.dict; "
               u"при следующем запуске он будет собран заново.");
    return Outcome::NotCached;
  }
  // The store becomes what the written file holds.
  DictStore compiled;
  if (ReadDictionary(compiled, CompiledPath(), message_, progress_).ok) store_ = std::move(compiled);
  return Outcome::Rebuilt;
}

}  // namespace sahdict::app
