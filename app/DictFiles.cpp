#include "app/DictFiles.h"

#include <new>
#include <utility>

#include "core/dict/mdlDict.h"

namespace sahdict::ui {

namespace {

// ReadDictionary, except that a read that runs out of memory empties the
// store (which gives the memory back) and sets `outOfMemory`.
bool ReadWithin(DictStore& store, const std::filesystem::path& path, const MessageFn& message,
                const ProgressFn& progress, bool& outOfMemory) {
  try {
    return ReadDictionary(store, path, message, progress);
  } catch (const std::bad_alloc&) {
    store.ClearDictionary();
    outOfMemory = true;
    return false;
  }
}

}  // namespace

DictFiles::DictFiles(DictStore& store, std::filesystem::path folder, MessageFn message, ProgressFn progress)
    : store_(store), folder_(std::move(folder)), message_(std::move(message)), progress_(std::move(progress)) {}

bool DictFiles::LoadCompiled() {
  // A compiled file too large for memory is rebuilt like an unreadable one.
  bool outOfMemory = false;
  loaded_ = ReadWithin(store_, CompiledPath(), message_, progress_, outOfMemory);
  return loaded_;
}

DictFiles::Outcome DictFiles::Rebuild() {
  DictStore source;
  bool outOfMemory = false;
  if (!ReadWithin(source, SourcePath(), message_, progress_, outOfMemory)) {
    if (!loaded_) store_ = std::move(source);
    if (message_)
      message_(outOfMemory ? u"Не хватило памяти, чтобы прочитать словарь default.dict"
                           : u"Не удалось прочитать словарь default.dict");
    return outOfMemory ? Outcome::OutOfMemory : Outcome::SourceUnreadable;
  }
  store_ = std::move(source);
  loaded_ = true;

  if (!WriteCompiled(store_, CompiledPath())) {
    if (message_)
      message_(
          u"Не удалось записать файл compiled.dict в папку программы. Словарь загружен из default.dict; "
          u"при следующем запуске он будет собран заново.");
    return Outcome::NotCached;
  }
  // The store becomes what the written file holds.
  DictStore compiled;
  if (ReadWithin(compiled, CompiledPath(), message_, progress_, outOfMemory)) store_ = std::move(compiled);
  return Outcome::Rebuilt;
}

}  // namespace sahdict::ui
