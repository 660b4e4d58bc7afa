#include <cerrno>
#include <csignal>
#include <cstring>
#include <iostream>
#include <new>
#include <streambuf>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include "tools/Tool.h"

namespace {

// Standard output written straight to its file descriptor, keeping the first
// failure (a full disk, a closed output) so that the tool can report it.
// After a failure the rest of the output is dropped.
class StdoutBuffer : public std::streambuf {
 public:
  StdoutBuffer() { setp(buffer_, buffer_ + sizeof buffer_); }

  // The errno of the first failed write, or 0.
  int Failure() const { return failure_; }

 protected:
  int_type overflow(int_type ch) override {
    if (!Drain()) return traits_type::eof();
    if (!traits_type::eq_int_type(ch, traits_type::eof())) {
      *pptr() = traits_type::to_char_type(ch);
      pbump(1);
    }
    return traits_type::not_eof(ch);
  }
  int sync() override { return Drain() ? 0 : -1; }

 private:
  bool Drain() {
    const char* data = pbase();
    auto size = static_cast<size_t>(pptr() - pbase());
    while (size > 0 && failure_ == 0) {
      const auto written = ::write(1, data, static_cast<unsigned>(size));
      if (written < 0 && errno == EINTR) continue;
      if (written <= 0) {
        failure_ = written < 0 ? errno : EIO;
        break;
      }
      data += written;
      size -= static_cast<size_t>(written);
    }
    setp(buffer_, buffer_ + sizeof buffer_);
    return failure_ == 0;
  }

  char buffer_[1 << 16];
  int failure_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
#ifdef SIGXFSZ
  // A file size limit then fails the write (EFBIG), which is reported,
  // instead of killing the tool.
  std::signal(SIGXFSZ, SIG_IGN);
#endif
  std::ios::sync_with_stdio(false);
  StdoutBuffer buffer;
  std::ostream out(&buffer);
  sahdict::tool::Io io{std::cin, out, std::cerr};
  int rc = sahdict::tool::kUsage;
  try {
    rc = sahdict::tool::RunTool(std::vector<std::string>(argv + 1, argv + argc), io);
  } catch (const std::bad_alloc&) {
    out.flush();
    std::cerr << "sahdict-tool: out of memory\n";
    return sahdict::tool::kUsage;
  }
  out.flush();
  if (buffer.Failure() != 0) {
    std::cerr << "sahdict-tool: cannot write standard output: " << std::strerror(buffer.Failure()) << "\n";
    rc = sahdict::tool::kUsage;
  }
  return rc;
}
