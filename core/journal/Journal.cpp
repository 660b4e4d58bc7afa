#include "core/journal/Journal.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include "core/dict/FileReplacement.h"
#include "core/text/mdlCommon.h"

namespace sahdict {
namespace {

// The first line of every journal: a file without it is of another kind.
constexpr std::string_view kHeader = "sahdict journal 1\n";

uint64_t Checksum(std::string_view bytes) {
  uint64_t hash = 14695981039346656037ull;  // FNV-1a
  for (const unsigned char c : bytes) hash = (hash ^ c) * 1099511628211ull;
  return hash;
}

std::string Hex(uint64_t value) {
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
  return text;
}

// Fields are joined by tabs; a backslash, tab, CR or LF inside one is escaped.
std::string Escaped(const std::u16string& field) {
  std::string out;
  for (const char c : ToUtf8(field)) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '\t': out += "\\t"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      default: out += c;
    }
  }
  return out;
}

bool Unescaped(std::string_view field, std::u16string& out) {
  std::string bytes;
  for (size_t i = 0; i < field.size(); ++i) {
    if (field[i] != '\\') {
      bytes += field[i];
      continue;
    }
    if (++i == field.size()) return false;
    switch (field[i]) {
      case '\\': bytes += '\\'; break;
      case 't': bytes += '\t'; break;
      case 'n': bytes += '\n'; break;
      case 'r': bytes += '\r'; break;
      default: return false;
    }
  }
  out = FromUtf8(bytes);
  return true;
}

// Appends `bytes` to `path` without following a link; false on any failure.
bool AppendBytes(const std::filesystem::path& path, std::string_view bytes) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  struct stat info {};
  bool ok = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
  // One write of the whole line: a kill leaves all of it or none of it.
  ok = ok && ::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
  return ::close(fd) == 0 && ok;
}

}  // namespace

std::string JournalLine(const JournalRecord& record) {
  std::string body;
  for (size_t i = 0; i < record.size(); ++i) body += (i ? "\t" : "") + Escaped(record[i]);
  return Hex(Checksum(body)) + ' ' + body + '\n';
}

bool ReadJournalLine(std::string_view line, JournalRecord& record) {
  if (line.size() < 18 || line.back() != '\n' || line[16] != ' ') return false;
  const std::string_view body = line.substr(17, line.size() - 18);
  if (Hex(Checksum(body)) != line.substr(0, 16)) return false;
  record.clear();
  for (size_t from = 0;;) {
    const size_t tab = body.find('\t', from);
    std::u16string field;
    if (!Unescaped(body.substr(from, tab == std::string_view::npos ? std::string_view::npos : tab - from), field))
      return false;
    record.push_back(std::move(field));
    if (tab == std::string_view::npos) return true;
    from = tab + 1;
  }
}

Journal::Journal(std::filesystem::path path, std::filesystem::path badPath)
    : path_(std::move(path)), badPath_(std::move(badPath)) {}

Journal::Loaded Journal::Load() {
  Loaded loaded;
  const int fd = ::open(path_.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return loaded;
  struct stat info {};
  std::string bytes;
  if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
    char buffer[65536];
    for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;) bytes.append(buffer, static_cast<size_t>(n));
  }
  ::close(fd);
  if (bytes.empty()) return loaded;

  size_t at = bytes.compare(0, kHeader.size(), kHeader) == 0 ? kHeader.size() : 0;
  bool damaged = at == 0;
  while (!damaged && at < bytes.size()) {
    const size_t end = bytes.find('\n', at);
    JournalRecord record;
    if (end == std::string::npos || !ReadJournalLine(std::string_view(bytes).substr(at, end + 1 - at), record)) {
      damaged = true;
      break;
    }
    loaded.records.push_back(std::move(record));
    at = end + 1;
  }
  if (damaged) {
    // The unread rest is kept as it was; the journal goes on from the records read.
    loaded.setAside = AppendBytes(badPath_, std::string_view(bytes).substr(at)) && Rewrite(loaded.records);
  }
  return loaded;
}

bool Journal::Append(const JournalRecord& record) {
  std::error_code error;
  if (!std::filesystem::exists(path_, error) && !Rewrite({})) return false;
  return AppendBytes(path_, JournalLine(record));
}

bool Journal::Rewrite(const std::vector<JournalRecord>& records) {
  std::error_code error;
  std::filesystem::create_directories(path_.parent_path(), error);
  std::string bytes(kHeader);
  for (const JournalRecord& record : records) bytes += JournalLine(record);
  // The journal is this program's own file: a link in its place is replaced, never written through.
  FileReplacement file(path_, FileReplacement::Links::Replace);
  return file.Write(bytes) && file.Commit();
}

}  // namespace sahdict
