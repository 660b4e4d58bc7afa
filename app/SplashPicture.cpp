#include "app/SplashPicture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "generated/ProgramIdentity.h"
#include "ui/common/Fonts.h"
#include "ui/common/TextConversion.h"

namespace sahdict::app {

QImage DrawSplashPicture() {
  constexpr int kWidth = 512, kHeight = 384;
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);

  // Sky: pale cream at the top deepening to sand.
  QLinearGradient sky(0, 0, 0, kHeight);
  sky.setColorAt(0.0, QColor(0xFB, 0xF7, 0xEC));
  sky.setColorAt(0.55, QColor(0xF1, 0xE4, 0xC6));
  sky.setColorAt(1.0, QColor(0xD9, 0xC4, 0x98));
  p.fillRect(image.rect(), sky);

  // A low winter sun.
  QRadialGradient sun(QPointF(400, 250), 120);
  sun.setColorAt(0.0, QColor(255, 236, 190, 230));
  sun.setColorAt(1.0, QColor(255, 236, 190, 0));
  p.fillRect(image.rect(), sun);

  // Rolling hills of the taiga in two shades.
  QPainterPath far;
  far.moveTo(0, 270);
  far.cubicTo(120, 230, 220, 290, 330, 255);
  far.cubicTo(420, 228, 470, 250, kWidth, 240);
  far.lineTo(kWidth, kHeight);
  far.lineTo(0, kHeight);
  far.closeSubpath();
  p.fillPath(far, QColor(0xA8, 0x93, 0x6A));
  QPainterPath near;
  near.moveTo(0, 310);
  near.cubicTo(140, 285, 260, 330, 380, 300);
  near.cubicTo(440, 286, 480, 292, kWidth, 300);
  near.lineTo(kWidth, kHeight);
  near.lineTo(0, kHeight);
  near.closeSubpath();
  p.fillPath(near, QColor(0x7E, 0x6A, 0x4A));

  // The Sakha letters that the Russian alphabet lacks, large and faint.
  p.setFont(ui::PictureFont(92, true));
  p.setPen(QColor(0x66, 0x56, 0x3D, 48));
  p.drawText(QRect(0, 150, kWidth, 100), Qt::AlignCenter, QStringLiteral("ҔҤӨҮҺ"));

  // The program's name and what it is.
  p.setFont(ui::PictureFont(40, true));
  p.setPen(QColor(0x4A, 0x3C, 0x28));
  p.drawText(QRect(32, 60, kWidth - 64, 56), Qt::AlignLeft | Qt::AlignVCenter, ui::ToQString(kProgramName));
  p.setFont(ui::PictureFont(17, false));
  p.setPen(QColor(0x66, 0x56, 0x3D));
  p.drawText(QRect(34, 114, kWidth - 64, 26), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("Русско-якутский словарь"));

  // A thin rule under the title.
  p.setPen(QPen(QColor(0x66, 0x56, 0x3D, 160), 2));
  p.drawLine(34, 146, 300, 146);

  // A strip for the status line along the bottom edge.
  p.fillRect(QRect(0, kHeight - 20, kWidth, 20), QColor(0xF4, 0xEC, 0xD8, 220));
  p.end();
  return image;
}

}  // namespace sahdict::app
