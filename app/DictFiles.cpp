#include "app/DictFiles.h"

#include <new>
#include <string>
#include <utility>

#include "core/dict/mdlDict.h"
#include "core/text/mdlCommon.h"

namespace sahdict::app {

namespace {

// A read of a broken file may raise a message per article; only this many are
// shown one by one, and one more message counts the rest.
constexpr int kShownMessages = 10;

constexpr char16_t kUsedSource[] = u" Словарь загружен из default.dict; при следующем запуске он будет собран заново.";

// Why compiled.dict was not written, said to the user.
std::u16string NotWrittenText(WriteFailure failure) {
  switch (failure) {
    case WriteFailure::LangPair:
      return std::u16string(
                 u"Файл compiled.dict не записан: в словаре есть языковая пара, которая начинается с "
                 u"\"--\" (см. строку --languages в default.dict), а такую пару этот файл хранить не "
                 u"может.") +
             kUsedSource;
    case WriteFailure::NotOrdinaryFile:
      return std::u16string(
                 u"Файл compiled.dict не записан: в папке программы под этим именем находится не "
                 u"обычный файл, и он оставлен как есть.") +
             kUsedSource;
    default:
      return std::u16string(u"Не удалось записать файл compiled.dict в папку программы.") + kUsedSource;
  }
}

// ReadDictionary, except that a read that runs out of memory empties the
// store (which gives the memory back), sets `outOfMemory` and counts as failed.
ReadResult ReadWithin(DictStore& store, const std::filesystem::path& path, const MessageFn& message,
                      const ProgressFn& progress, bool& outOfMemory) {
  try {
    return ReadDictionary(store, path, message, progress);
  } catch (const std::bad_alloc&) {
    store.ClearDictionary();
    outOfMemory = true;
    ReadResult failed;
    failed.opened = true;
    return failed;
  }
}

}  // namespace

DictFiles::DictFiles(DictStore& store, std::filesystem::path folder, MessageFn message, ProgressFn progress)
    : store_(store), folder_(std::move(folder)), message_(std::move(message)), progress_(std::move(progress)) {}

void DictFiles::Show(const std::u16string& text) const {
  if (message_) message_(text);
}

bool DictFiles::LoadCompiled() {
  // The file is the program's own: any message, or a last line other than
  // the trailer with the count just read, means it was cut short or damaged,
  // and it is rebuilt without a word about it. One too large for memory is
  // rebuilt the same way.
  bool quiet = true;
  bool outOfMemory = false;
  const ReadResult read = ReadWithin(
      store_, CompiledPath(), [&](const std::u16string&) { quiet = false; }, progress_, outOfMemory);
  loaded_ = read.ok && quiet && read.trailerEntries == store_.GetEntryCount();
  return loaded_;
}

ReadResult DictFiles::ReadShown(DictStore& store, const std::filesystem::path& path, bool& outOfMemory) const {
  int messages = 0;
  const ReadResult read = ReadWithin(
      store, path,
      [&](const std::u16string& text) {
        if (++messages <= kShownMessages) Show(text);
      },
      progress_, outOfMemory);
  if (messages > kShownMessages) {
    Show(u"Остальные сообщения о словаре не показаны (ещё " + FromUtf8(std::to_string(messages - kShownMessages)) +
         u").");
  }
  if (read.noArticle) Show(kNoArticleMessage);
  return read;
}

DictFiles::Outcome DictFiles::Rebuild() {
  DictStore source;
  bool outOfMemory = false;
  const ReadResult read = ReadShown(source, SourcePath(), outOfMemory);
  if (!read.ok) {
    if (!loaded_) store_ = std::move(source);
    if (outOfMemory) {
      Show(u"Не хватило памяти, чтобы прочитать словарь default.dict");
      return Outcome::OutOfMemory;
    }
    if (!read.noArticle) Show(u"Не удалось прочитать словарь default.dict");
    return Outcome::SourceUnreadable;
  }
  store_ = std::move(source);
  loaded_ = true;

  WriteError error;
  if (!WriteCompiled(store_, CompiledPath(), error)) {
    Show(NotWrittenText(error.failure));
    return Outcome::NotCached;
  }
  // The store becomes what the written file holds.
  DictStore compiled;
  if (ReadShown(compiled, CompiledPath(), outOfMemory).ok) store_ = std::move(compiled);
  return Outcome::Rebuilt;
}

}  // namespace sahdict::app
