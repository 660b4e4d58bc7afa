// The floor under reading a dictionary file: read its bytes and decode them
// from Windows-1251 to UTF-16 with the project's codec, nothing else. Run as a
// whole process (for example under /usr/bin/time) beside `sahdict-tool check`.
//   bench_decode_floor FILE
#include <cstdio>
#include <filesystem>
#include <string>

#include "core/text/Cp1251.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: bench_decode_floor FILE\n");
    return 2;
  }
  std::error_code ec;
  const auto size = std::filesystem::file_size(argv[1], ec);
  std::FILE* file = ec ? nullptr : std::fopen(argv[1], "rb");
  if (file == nullptr) {
    std::fprintf(stderr, "cannot read %s\n", argv[1]);
    return 2;
  }
  std::string bytes(size, '\0');
  bytes.resize(std::fread(bytes.data(), 1, bytes.size(), file));
  std::fclose(file);
  const std::u16string text = sahdict::DecodeCp1251(bytes);
  // Something of the text must be used, or the decode could be left out.
  unsigned sum = 0;
  for (size_t i = 0; i < text.size(); i += 4096) sum += text[i];
  std::printf("%zu characters, sample sum %u\n", text.size(), sum);
  return 0;
}
