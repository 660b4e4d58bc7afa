#pragma once
// Small dictionary files for the window tests, written as the program reads
// them: Windows-1251 with CR LF line ends.

#include <QString>
#include <fstream>
#include <string>
#include <string_view>

#include "core/dict/DictStore.h"
#include "core/dict/mdlDictParser.h"
#include "core/text/Cp1251.h"

namespace sahdict::test {

// Writes `text` (lines already ending in CR LF) to `path`.
inline void WriteDictFile(const QString& path, std::u16string_view text) {
  std::ofstream out(path.toStdString(), std::ios::binary | std::ios::trunc);
  out << EncodeCp1251(text);
}

// Russian headwords with Sakha translations; the reader derives the Sakha and
// the extended-Russian pairs. In sorted order the RUS-SAH words are
//   Москва, берёза, вода, день, дом, конь, огонь, сон, хлеб
// and the SAH-RUS words (the upper-case М is no Sakha letter and is dropped)
//   ат (конь), дьиэ (дом), дьиэм (дом), кYн (день), килиэп (хлеб), мин (дом),
//   оскуба (Москва), тYYл (сон), уот (огонь), уу (вода), хатын' (берёза).
inline constexpr char16_t kSampleDict[] =
    u"--languages RUS-SAH\r\n"
    u"--encoding WIN\r\n"
    u"--dicttype NeedSahExtract\r\n"
    u"--dicttype NeedRusExtract\r\n"
    u"\r\n"
    u"дом (сущ.) - .дьиэ (мой дом .мин .дьиэм)\r\n"
    u"\r\n"
    u"вода (сущ.) - .уу\r\n"
    u"\r\n"
    u"огонь (сущ.) - .уот\r\n"
    u"\r\n"
    u"Москва (геогр.) - .Москуба\r\n"
    u"\r\n"
    u"конь (сущ.) - .ат\r\n"
    u"\r\n"
    u"сон (сущ.) - .тYYл\r\n"
    u"\r\n"
    u"день (сущ.) - .кYн\r\n"
    u"\r\n"
    u"берёза (сущ.) - .хатын'\r\n"
    u"\r\n"
    u"хлеб (сущ.) - .килиэп\r\n";

// A store read from `text` through a file in `folder`.
inline void ReadDictText(DictStore& store, const QString& folder, std::u16string_view text) {
  const QString path = folder + QStringLiteral("/test.dict");
  WriteDictFile(path, text);
  ReadDictionary(store, path.toStdU16String(), {}, {});
}

}  // namespace sahdict::test
