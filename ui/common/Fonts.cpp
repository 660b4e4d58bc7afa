#include "ui/common/Fonts.h"

namespace sahdict::ui {
namespace {

const QString kFamily = QStringLiteral("Verdana");

QFont Verdana(qreal points, bool bold = false) {
  QFont font(kFamily);
  font.setPointSizeF(points);
  // A regular font leaves its weight unset, as a font built by name does.
  if (bold) font.setBold(true);
  return font;
}

}  // namespace

QFont LookupFont() { return Verdana(9); }

QFont TextFont() { return Verdana(8.25); }

QFont LabelFont() { return Verdana(6.75); }

QFont VersionFont() { return Verdana(11.25, true); }

QFont PictureFont(int pixelSize, bool bold) {
  QFont font(kFamily);
  font.setPixelSize(pixelSize);
  if (bold) font.setBold(true);
  return font;
}

}  // namespace sahdict::ui
