#include "core/dict/FileReplacement.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <random>
#include <system_error>

#include "core/dict/FileOpen.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace sahdict {

namespace fs = std::filesystem;

namespace {

constexpr char kTempMark[] = ".tmp";
constexpr size_t kTempDigits = 16;

bool IsTemporaryOf(const std::string& name, const std::string& target) {
  const std::string prefix = target + kTempMark;
  if (name.size() != prefix.size() + kTempDigits || name.compare(0, prefix.size(), prefix) != 0) return false;
  return name.find_first_not_of("0123456789abcdef", prefix.size()) == std::string::npos;
}

}  // namespace

FileReplacement::FileReplacement(const fs::path& path, Links links) { Begin(path, links); }

bool FileReplacement::Fail(Failure failure, std::string error) {
  if (failure_ == Failure::None) {
    failure_ = failure;
    error_ = std::move(error);
  }
  return false;
}

bool FileReplacement::FailErrno(const std::string& context) {
  const int code = errno;
  return Fail(Failure::System, context + std::strerror(code));
}

fs::path FileReplacement::TemporaryName() const {
  static std::mt19937_64 random([] {
    std::random_device seed;
    return static_cast<uint64_t>(seed()) << 32 ^ seed() ^
           static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
  }());
  char digits[kTempDigits + 1];
  std::snprintf(digits, sizeof digits, "%016llx", static_cast<unsigned long long>(random()));
  fs::path name = target_;
  name += kTempMark;
  name += digits;
  return name;
}

void FileReplacement::Begin(const fs::path& path, Links links) {
  // Follow links to the file they name (a relative link counts from its folder).
  fs::path file = path;
  for (int hops = 0;; ++hops) {
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(file, ec);
    if (status.type() == fs::file_type::not_found) break;
    if (ec) {
      Fail(Failure::System, ec.message());
      return;
    }
    if (status.type() == fs::file_type::regular) {
      keepMode_ = true;
      oldMode_ = static_cast<unsigned>(status.permissions()) & 0777u;
      break;
    }
    if (status.type() == fs::file_type::symlink && links == Links::Replace) break;
    if (status.type() != fs::file_type::symlink) {
      Fail(Failure::NotOrdinaryFile, NotOrdinaryText(status.type()));
      return;
    }
    if (hops == 40) {
      Fail(Failure::System, std::strerror(ELOOP));
      return;
    }
    const fs::path link = fs::read_symlink(file, ec);
    if (ec) {
      Fail(Failure::System, ec.message());
      return;
    }
    file = link.is_absolute() ? link : file.parent_path() / link;
  }
  target_ = file;
  const fs::path folder = target_.has_parent_path() ? target_.parent_path() : fs::path(".");
  RemoveStaleTemporaries(target_);

#ifdef _WIN32
  for (int attempt = 0; attempt < 16 && file_ == nullptr; ++attempt) {
    named_ = TemporaryName();
    file_ = OpenFile(named_, "wbx");
  }
  if (file_ == nullptr) {
    named_.clear();
    FailErrno("cannot create a file in " + folder.string() + ": ");
  }
#else
  dir_ = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir_ < 0) {
    FailErrno("cannot open the folder " + folder.string() + ": ");
    return;
  }
  // The mode is taken from what the name is now, without following a link;
  // a file of another user gives none of its bits to the program's own file.
  const std::string name = target_.filename().string();
  struct stat st {};
  keepMode_ = false;
  if (::fstatat(dir_, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode) &&
      (links == Links::Follow || st.st_uid == ::geteuid())) {
    keepMode_ = true;
    oldMode_ = st.st_mode & 0777u;
  }
#ifdef O_TMPFILE
  fd_ = ::openat(dir_, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
#endif
  for (int attempt = 0; attempt < 16 && fd_ < 0; ++attempt) {
    const fs::path temporary = TemporaryName().filename();
    fd_ = ::openat(dir_, temporary.c_str(), O_CREAT | O_EXCL | O_NOFOLLOW | O_WRONLY | O_CLOEXEC, 0666);
    if (fd_ >= 0) named_ = temporary;
    if (fd_ < 0 && errno != EEXIST) break;
  }
  if (fd_ < 0) {
    FailErrno("cannot create a file in " + folder.string() + ": ");
    return;
  }
  // The lock tells a later writer that this temporary file is still in use;
  // the system drops it when the process ends.
  ::flock(fd_, LOCK_EX | LOCK_NB);
  if (keepMode_ && ::fchmod(fd_, static_cast<mode_t>(oldMode_)) != 0) FailErrno("");
#endif
}

void FileReplacement::RemoveStaleTemporaries(const fs::path& targetPath) {
  const fs::path folder = targetPath.has_parent_path() ? targetPath.parent_path() : fs::path(".");
  const std::string target = targetPath.filename().string();
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const fs::path& name = it->path();
    if (!IsTemporaryOf(name.filename().string(), target)) continue;
#ifdef _WIN32
    std::error_code ignored;
    fs::remove(name, ignored);  // a file still being written cannot be removed
#else
    const int fd = ::open(name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) continue;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid() &&
        ::flock(fd, LOCK_EX | LOCK_NB) == 0)
      ::unlink(name.c_str());
    ::close(fd);
#endif
  }
}

bool FileReplacement::Write(std::string_view bytes) {
  if (failure_ != Failure::None) return false;
#ifdef _WIN32
  if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) return FailErrno("");
#else
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return written < 0 ? FailErrno("") : Fail(Failure::System, std::strerror(ENOSPC));
    bytes.remove_prefix(static_cast<size_t>(written));
  }
#endif
  return true;
}

bool FileReplacement::Commit() {
  if (failure_ != Failure::None) return false;
#ifdef _WIN32
  const bool closed = std::fflush(file_) == 0 && std::fclose(file_) == 0;
  file_ = nullptr;
  if (!closed) return FailErrno("");
  std::error_code ec;
  fs::rename(named_, target_, ec);
  if (ec) return Fail(Failure::System, ec.message());
#else
  if (::fsync(fd_) != 0) return FailErrno("");
  if (named_.empty()) {
    // Give the nameless file a temporary name beside the target; the rename
    // below then replaces the target in one step.
    char self[64];
    std::snprintf(self, sizeof self, "/proc/self/fd/%d", fd_);
    for (int attempt = 0; attempt < 16 && named_.empty(); ++attempt) {
      const fs::path name = TemporaryName().filename();
      bool linked = ::linkat(AT_FDCWD, self, dir_, name.c_str(), AT_SYMLINK_FOLLOW) == 0;
#ifdef AT_EMPTY_PATH
      if (!linked && errno != EEXIST) linked = ::linkat(fd_, "", dir_, name.c_str(), AT_EMPTY_PATH) == 0;
#endif
      if (linked) named_ = name;
      if (!linked && errno != EEXIST) break;
    }
    if (named_.empty()) return FailErrno("");
  }
  // The file stays open, and so locked, until it has the target's name. The
  // rename replaces the name itself: a link there is replaced, not followed.
  if (::renameat(dir_, named_.c_str(), dir_, target_.filename().c_str()) != 0) return FailErrno("");
  named_.clear();
  ::close(fd_);
  fd_ = -1;
  ::fsync(dir_);  // the new name on the disk too; a failure here loses nothing
#endif
  named_.clear();
  return true;
}

FileReplacement::~FileReplacement() {
#ifdef _WIN32
  if (file_ != nullptr) std::fclose(file_);
  if (!named_.empty()) {
    std::error_code ignored;
    fs::remove(named_, ignored);
  }
#else
  // Removed while still open, so still locked: no other writer takes it for stale.
  if (!named_.empty()) ::unlinkat(dir_, named_.c_str(), 0);
  if (fd_ >= 0) ::close(fd_);
  if (dir_ >= 0) ::close(dir_);
#endif
}

}  // namespace sahdict
