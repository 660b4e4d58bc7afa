// The floor under reading a dictionary file: read its bytes and decode them
// from Windows-1251 to UTF-16 with the project's codec, nothing else. The file
// is streamed through one buffer, as the reader streams it, so the floor holds
// no more than the reader must. Run as a whole process (for example under
// /usr/bin/time) beside `sahdict-tool check`.
//   bench_decode_floor FILE
#include <cstdio>
#include <string>

#include "core/text/Cp1251.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: bench_decode_floor FILE\n");
    return 2;
  }
  std::FILE* file = std::fopen(argv[1], "rb");
  if (file == nullptr) {
    std::fprintf(stderr, "cannot read %s\n", argv[1]);
    return 2;
  }
  std::string bytes(1 << 16, '\0');
  std::u16string text;
  size_t total = 0;
  unsigned sum = 0;
  for (size_t got; (got = std::fread(bytes.data(), 1, bytes.size(), file)) > 0;) {
    sahdict::DecodeCp1251(std::string_view(bytes.data(), got), text);
    total += text.size();
    sum += text[got / 2];  // something of the text is used, or the decode could be left out
  }
  std::fclose(file);
  std::printf("%zu characters, sample sum %u\n", total, sum);
  return 0;
}
