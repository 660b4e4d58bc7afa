#include "app/DictFiles.h"

#include <new>
#include <string>
#include <system_error>
#include <utility>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include "core/dict/mdlDict.h"
#include "core/text/mdlCommon.h"

namespace sahdict::app {

namespace {

// A read of a broken file may raise a message per article; only this many are
// shown one by one, and one more message counts the rest.
constexpr int kShownMessages = 10;

constexpr char16_t kUsedSource[] = u" Словарь загружен из default.dict; при следующем запуске он будет собран заново.";

namespace fs = std::filesystem;

bool FolderWritable(const fs::path& folder) {
#ifdef _WIN32
  return _waccess(folder.c_str(), 2) == 0;
#else
  return access(folder.c_str(), W_OK) == 0;
#endif
}

// The modification time, or the earliest one when the file cannot be asked.
fs::file_time_type ModifiedAt(const fs::path& path) {
  std::error_code error;
  const fs::file_time_type time = fs::last_write_time(path, error);
  return error ? fs::file_time_type::min() : time;
}

// Why compiled.dict was not written, said to the user.
std::u16string NotWrittenText(WriteFailure failure, const DictPaths& paths) {
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
      if (paths.cached) {
        return u"Не удалось записать файл compiled.dict ни в папку словаря, ни в папку кэша " +
               paths.compiled.parent_path().u16string() + u"." + kUsedSource;
      }
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

DictPaths DictPaths::Beside(const fs::path& folder) { return {folder / "default.dict", folder / "compiled.dict"}; }

DictPaths LocateDictFiles(const fs::path& programFolder, const fs::path& cacheFolder) {
  DictPaths paths = DictPaths::Beside(programFolder);
  const fs::path installed = (programFolder / ".." / "share" / "sahdict").lexically_normal();
  std::error_code error;
  if (!fs::exists(paths.source, error) && fs::exists(installed / "default.dict", error)) {
    paths = DictPaths::Beside(installed);
  }
  if (!cacheFolder.empty() && !FolderWritable(paths.source.parent_path())) {
    paths.compiled = cacheFolder / "compiled.dict";
    paths.cached = true;
  }
  return paths;
}

DictFiles::DictFiles(DictStore& store, DictPaths paths, MessageFn message, ProgressFn progress)
    : store_(store), paths_(std::move(paths)), message_(std::move(message)), progress_(std::move(progress)) {}

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
  // An edited default.dict is compiled again, as if compiled.dict were missing.
  return loaded_ && ModifiedAt(SourcePath()) <= ModifiedAt(CompiledPath());
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
  std::error_code ignored;
  if (paths_.cached) fs::create_directories(CompiledPath().parent_path(), ignored);
  if (!WriteCompiled(store_, CompiledPath(), error)) {
    Show(NotWrittenText(error.failure, paths_));
    return Outcome::NotCached;
  }
  // A default.dict dated in the future would look newer at every start.
  const fs::file_time_type sourceTime = ModifiedAt(SourcePath());
  if (sourceTime > ModifiedAt(CompiledPath())) fs::last_write_time(CompiledPath(), sourceTime, ignored);
  // The store becomes what the written file holds.
  DictStore compiled;
  if (ReadShown(compiled, CompiledPath(), outOfMemory).ok) store_ = std::move(compiled);
  return Outcome::Rebuilt;
}

}  // namespace sahdict::app
