#pragma once
// Small dictionary files for the window tests, written as the program reads
// them (Windows-1251 with CR LF line ends), and the tests' settings.

#include <QSettings>
#include <QString>
#include <fstream>
#include <string>
#include <string_view>

#include "core/dict/DictStore.h"
#include "core/dict/mdlDictParser.h"
#include "core/text/Cp1251.h"
#include "generated/ProgramIdentity.h"

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
    u"--languages RUS-SAH\r\n--encoding WIN\r\n--dicttype NeedSahExtract\r\n--dicttype NeedRusExtract\r\n"
    u"\r\nдом (сущ.) - .дьиэ (мой дом .мин .дьиэм)\r\n\r\nвода (сущ.) - .уу\r\n\r\nогонь (сущ.) - .уот\r\n"
    u"\r\nМосква (геогр.) - .Москуба\r\n\r\nконь (сущ.) - .ат\r\n\r\nсон (сущ.) - .тYYл\r\n"
    u"\r\nдень (сущ.) - .кYн\r\n\r\nберёза (сущ.) - .хатын'\r\n\r\nхлеб (сущ.) - .килиэп\r\n";

// A store read from `text` through a file in `folder`; false when the reader
// fails or reports anything.
inline bool ReadDictText(DictStore& store, const QString& folder, std::u16string_view text) {
  const QString path = folder + QStringLiteral("/test.dict");
  WriteDictFile(path, text);
  bool quiet = true;
  return ReadDictionary(store, path.toStdU16String(), [&](const std::u16string&) { quiet = false; }, {}).ok && quiet;
}

// Keeps the program's settings in `folder`, a test's own (tests that run side
// by side never share them), and empties them.
inline void FreshSettings(const QString& folder) {
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
  QSettings(QSettings::NativeFormat, QSettings::UserScope, QString::fromStdU16String(kMakerName),
            QString::fromStdU16String(kProgramName))
      .clear();
}

}  // namespace sahdict::test
