#include "app/DictFiles.h"

#include <new>
#include <string>
#include <system_error>
#include <utility>

#ifdef _WIN32
#include <io.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "core/dict/FileReplacement.h"
#include "core/dict/mdlDict.h"
#include "core/text/mdlCommon.h"

namespace sahdict::app {

namespace {

// A read of a broken file may raise a message per article; only this many are
// shown one by one, and one more message counts the rest.
constexpr int kShownMessages = 10;

constexpr char16_t kUsedSource[] = u" Словарь загружен из default.dict; при следующем запуске он будет собран заново.";

namespace fs = std::filesystem;

// Whether the folder may be written. Root may write anywhere, so for root
// the folder's mode decides: a data folder of mode 0555 is not written.
bool FolderWritable(const fs::path& folder) {
#ifdef _WIN32
  return _waccess(folder.c_str(), 2) == 0;
#else
  struct stat st {};
  if (::stat(folder.c_str(), &st) != 0 || access(folder.c_str(), W_OK) != 0) return false;
  return ::geteuid() != 0 || (st.st_mode & 0222) != 0;
#endif
}

#ifndef _WIN32
bool OwnedByUserOrRoot(const struct stat& st) { return st.st_uid == ::geteuid() || st.st_uid == 0; }
#endif

// Whether a user other than this one (and root) can write into the folder:
// it is writable by its group or by everyone, or it belongs to another user.
bool SharedFolder(const fs::path& folder) {
#ifdef _WIN32
  (void)folder;
  return false;
#else
  struct stat st {};
  if (::stat(folder.c_str(), &st) != 0) return false;
  return !OwnedByUserOrRoot(st) || (st.st_mode & (S_IWGRP | S_IWOTH)) != 0;
#endif
}

// Whether the file may be read as the program's own: anything in a folder
// that only the user (or root) can write, else a file (and a link to it) that
// belongs to the user or root. A missing file counts as trusted.
bool Trusted(const fs::path& file) {
#ifdef _WIN32
  (void)file;
  return true;
#else
  if (!SharedFolder(file.has_parent_path() ? file.parent_path() : fs::path("."))) return true;
  struct stat st {};
  if (::lstat(file.c_str(), &st) != 0) return true;
  if (!OwnedByUserOrRoot(st)) return false;
  return !S_ISLNK(st.st_mode) || ::stat(file.c_str(), &st) != 0 || OwnedByUserOrRoot(st);
#endif
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
               FromUtf8(paths.compiled.parent_path().string()) + u"." + kUsedSource;
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
  paths.sourceUntrusted = !Trusted(paths.source);
  const fs::path folder = paths.source.parent_path();
  if (!cacheFolder.empty() && (!FolderWritable(folder) || SharedFolder(folder))) {
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
  FileReplacement::RemoveStaleTemporaries(CompiledPath());
  if (!Trusted(CompiledPath())) return false;
  bool quiet = true;
  bool outOfMemory = false;
  const ReadResult read = ReadWithin(
      store_, CompiledPath(), [&](const std::u16string&) { quiet = false; }, progress_, outOfMemory);
  loaded_ = read.ok && quiet && read.trailerEntries == store_.GetEntryCount();
  if (!loaded_) return false;
  // A default.dict that is not the source recorded (edited, replaced, or
  // changed while it was read) is compiled again, as if compiled.dict were
  // missing. Without default.dict, compiled.dict is all there is.
  if (paths_.sourceUntrusted) return true;
  const std::optional<SourceIdentity> source = IdentifyFile(SourcePath());
  return !source || read.recordedSource == source;
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
  if (paths_.sourceUntrusted) {
    Show(u"Словарь default.dict не прочитан: он лежит в папке, куда могут писать другие пользователи, и "
         u"принадлежит не вам.");
    return Outcome::SourceUnreadable;
  }
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
  // The program's own file: a link in its place is replaced, never written through.
  CompiledOptions options;
  options.utf8 = read.utf8;
  options.followLink = false;
  options.source = read.identity;
  if (!WriteCompiled(store_, CompiledPath(), error, options)) {
    Show(NotWrittenText(error.failure, paths_));
    return Outcome::NotCached;
  }
  // The store becomes what the written file holds.
  DictStore compiled;
  if (ReadShown(compiled, CompiledPath(), outOfMemory).ok) store_ = std::move(compiled);
  return Outcome::Rebuilt;
}

}  // namespace sahdict::app
