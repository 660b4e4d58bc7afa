#include "core/export/DictInfo.h"

#include <fstream>
#include <iterator>
#include <string_view>

#include "core/text/Cp1251.h"
#include "core/text/Utf8Scan.h"
#include "core/text/mdlCommon.h"

namespace sahdict::exporting {

DictInfo ParseDictInfo(std::string_view bytes) {
  Utf8Scan scan;
  const bool utf8 = scan.Feed(bytes) && scan.Complete() && scan.Multibyte();
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
  DictInfo info;
  while (!bytes.empty()) {
    const size_t end = bytes.find('\n');
    std::string_view raw = bytes.substr(0, end);
    bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
    if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
    if (!raw.starts_with("--") || raw.starts_with("--#")) continue;
    std::u16string line = utf8 ? FromUtf8(std::string(raw.substr(2))) : DecodeCp1251(raw.substr(2));
    const std::u16string key = CutFirstWord(line);
    std::u16string* field = key == u"dictionary" ? &info.Name
                            : key == u"author"   ? &info.Author
                            : key == u"version"  ? &info.Version
                            : key == u"date"     ? &info.Date
                                                 : nullptr;
    line = TrimSpaces(line);
    if (field != nullptr && field->empty()) *field = line;
    if (key == u"comments" && !line.empty()) info.Comments += (info.Comments.empty() ? u"" : u"\n") + line;
  }
  return info;
}

DictInfo ReadDictInfo(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return {};
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return ParseDictInfo(bytes);
}

}  // namespace sahdict::exporting
