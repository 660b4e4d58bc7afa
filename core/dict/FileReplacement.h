#pragma once
// Replacing a file as a whole. The new content goes to a temporary file in the
// target's folder that takes the target's name only once every byte is on the
// disk, so the target is always either the old file or the whole new one.

#include <filesystem>
#include <string>
#include <string_view>

namespace sahdict {

class FileReplacement {
 public:
  enum class Failure { None, NotOrdinaryFile, System };
  // What happens to a symbolic link at the path: Follow replaces the file it
  // names (a path the user gave), Replace replaces the link itself and never
  // writes through it (the program's own files).
  enum class Links { Follow, Replace };

  // Prepares to replace `path`. With Links::Follow a symbolic link is
  // followed to the file it names, and that file is replaced while the link
  // stays a link. The file replaced must be an ordinary file or absent;
  // anything else (a folder, FIFO, device or socket) is refused and left
  // alone. The new file gets the old file's permission bits, never the
  // set-user-ID, set-group-ID or sticky bit, and with Links::Replace only
  // when the old file is the user's own. Temporary files for the same target
  // that an ended process of this user left behind are removed here.
  //
  // Where the system has them (Linux), the temporary file has no name until it
  // is complete, so a killed process leaves nothing behind; elsewhere it is a
  // named file "<target>.tmp<16 hex digits>" held locked while it is written.
  explicit FileReplacement(const std::filesystem::path& path, Links links = Links::Follow);
  // Discards the new content unless Commit succeeded.
  ~FileReplacement();
  FileReplacement(const FileReplacement&) = delete;
  FileReplacement& operator=(const FileReplacement&) = delete;

  // Appends bytes to the new content; false once anything has failed.
  bool Write(std::string_view bytes);
  // Puts the new content on the disk and gives it the target's name.
  bool Commit();

  // Removes the temporary files of `target` that ended processes of this user
  // left behind (a process killed right after naming one, before the rename).
  static void RemoveStaleTemporaries(const std::filesystem::path& target);

  Failure WhatFailed() const { return failure_; }
  // The reason of the failure, as the system words it.
  const std::string& Error() const { return error_; }

 private:
  bool Fail(Failure failure, std::string error);
  bool FailErrno(const std::string& context);
  void Begin(const std::filesystem::path& path, Links links);
  std::filesystem::path TemporaryName() const;

  std::filesystem::path target_;  // the file replaced, links followed
  std::filesystem::path named_;   // the temporary file's name once it has one
  bool keepMode_ = false;
  unsigned oldMode_ = 0;
  Failure failure_ = Failure::None;
  std::string error_;
#ifdef _WIN32
  std::FILE* file_ = nullptr;
#else
  int fd_ = -1;
  int dir_ = -1;  // the target's folder: the temporary file is named and renamed there
#endif
};

}  // namespace sahdict
