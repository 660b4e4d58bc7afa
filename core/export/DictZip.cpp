#include "core/export/DictZip.h"

#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <future>
#include <stdexcept>
#include <thread>
#include <vector>

namespace sahdict::exporting {
namespace {

void PutLe16(std::string& out, size_t v) {
  out += static_cast<char>(v & 0xFF);
  out += static_cast<char>((v >> 8) & 0xFF);
}
void PutLe32(std::string& out, uint32_t v) {
  PutLe16(out, v & 0xFFFF);
  PutLe16(out, v >> 16);
}

// Raw deflate of `chunks` pieces of `data` from piece `first` on, each
// compressed from a fresh start and ended on a byte boundary (a full flush),
// so that pieces made apart join into one stream; with `last`, the stream's
// final empty block follows as a piece of its own.
std::vector<std::string> Deflate(std::string_view data, size_t first, size_t chunks, bool last) {
  z_stream z{};
  if (deflateInit2(&z, 1, Z_DEFLATED, -MAX_WBITS, 9, Z_DEFAULT_STRATEGY) != Z_OK)
    throw std::runtime_error("deflateInit2 failed");
  std::vector<std::string> out;
  std::vector<unsigned char> buffer(kDictZipChunk + kDictZipChunk / 10 + 1024);
  for (size_t i = first; i < first + chunks + (last ? 1 : 0); ++i) {
    const size_t from = std::min(i * kDictZipChunk, data.size());
    const size_t len = std::min(kDictZipChunk, data.size() - from);
    const int flush = i == first + chunks ? Z_FINISH : Z_FULL_FLUSH;
    if (flush == Z_FULL_FLUSH) deflateReset(&z);
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data() + from));
    z.avail_in = static_cast<uInt>(flush == Z_FINISH ? 0 : len);
    std::string& piece = out.emplace_back();
    for (;;) {
      z.next_out = buffer.data();
      z.avail_out = static_cast<uInt>(buffer.size());
      const int rc = deflate(&z, flush);
      if (rc == Z_STREAM_ERROR) {
        deflateEnd(&z);
        throw std::runtime_error("deflate failed");
      }
      piece.append(reinterpret_cast<const char*>(buffer.data()), buffer.size() - z.avail_out);
      if (flush == Z_FINISH ? rc == Z_STREAM_END : z.avail_out != 0 && z.avail_in == 0) break;
    }
    if (flush == Z_FULL_FLUSH && piece.size() > 0xFFFF) {
      deflateEnd(&z);
      throw std::length_error("a dictzip chunk grew beyond 64 KB");
    }
  }
  deflateEnd(&z);
  return out;
}

}  // namespace

std::string DictZip(std::string_view data) {
  const size_t chunks = data.empty() ? 1 : (data.size() + kDictZipChunk - 1) / kDictZipChunk;
  // The extra field holds 10 bytes and two per chunk in 16 bits of length.
  if (10 + 2 * chunks > 0xFFFF) throw std::length_error("too much data for one dictzip file");

  // Chunks are independent: long data is compressed on a few threads at once.
  const size_t threads = std::clamp<size_t>(std::thread::hardware_concurrency(), 1, 4);
  const size_t share = chunks < 16 ? chunks : (chunks + threads - 1) / threads;
  std::vector<std::future<std::vector<std::string>>> parts;
  size_t first = 0;
  for (; first + share < chunks; first += share)
    parts.push_back(std::async(std::launch::async, Deflate, data, first, share, false));
  std::vector<std::string> last = Deflate(data, first, chunks - first, true);  // meanwhile, on this thread
  std::string body;
  std::vector<size_t> sizes;
  auto add = [&](std::vector<std::string> pieces) {
    for (const std::string& piece : pieces) {
      if (sizes.size() < chunks) sizes.push_back(piece.size());
      body += piece;
    }
  };
  for (auto& part : parts) add(part.get());
  add(std::move(last));

  std::string out;
  out.reserve(body.size() + 2 * chunks + 40);
  out += "\x1F\x8B\x08";          // gzip, deflate
  out += '\x04';                  // FEXTRA
  PutLe32(out, 0);                // no time, so the same data gives the same bytes
  out += '\x04';                  // fastest compression
  out += '\x03';                  // Unix
  PutLe16(out, 10 + 2 * chunks);  // XLEN
  out += "RA";
  PutLe16(out, 6 + 2 * chunks);  // subfield length
  PutLe16(out, 1);               // version
  PutLe16(out, kDictZipChunk);
  PutLe16(out, chunks);
  for (size_t s : sizes) PutLe16(out, s);
  out += body;
  uLong crc = crc32(0L, Z_NULL, 0);
  for (size_t from = 0; from < data.size(); from += 1u << 30) {
    const size_t len = std::min<size_t>(1u << 30, data.size() - from);
    crc = crc32(crc, reinterpret_cast<const Bytef*>(data.data() + from), static_cast<uInt>(len));
  }
  PutLe32(out, static_cast<uint32_t>(crc));
  PutLe32(out, static_cast<uint32_t>(data.size() & 0xFFFFFFFFu));
  return out;
}

}  // namespace sahdict::exporting
