#include "app/IconPicture.h"

#include <QImage>
#include <QLinearGradient>
#include <QPixmap>
#include <QPainterPath>
#include <iterator>

namespace sahdict::app {
namespace {

// The drawing is laid out on a 256-unit square and scaled to the size asked.
constexpr qreal kUnits = 256;

const QColor kInk(0x4A, 0x3C, 0x28);
const QColor kCover(0x7E, 0x4B, 0x2A);
const QColor kPage(0xFB, 0xF7, 0xEC);
const QColor kPageShade(0xE8, 0xDB, 0xBD);

// One page: its outer edge at x `outer`, the spine at x 128, the top sagging
// towards the spine as an open book's pages do.
QPainterPath PagePath(qreal outer) {
  constexpr qreal kTop = 74, kBottom = 202, kSag = 12;
  const qreal mid = (outer + 128) / 2;
  QPainterPath page;
  page.moveTo(outer, kTop);
  page.cubicTo(mid, kTop - kSag, mid, kTop - kSag, 128, kTop + kSag);
  page.lineTo(128, kBottom + kSag);
  page.cubicTo(mid, kBottom, mid, kBottom, outer, kBottom);
  page.closeSubpath();
  return page;
}

void DrawTile(QPainter& p) {
  QLinearGradient sand(0, 0, 0, kUnits);
  sand.setColorAt(0.0, QColor(0xF1, 0xE4, 0xC6));
  sand.setColorAt(1.0, QColor(0xC9, 0xA8, 0x6C));
  QPainterPath tile;
  tile.addRoundedRect(QRectF(8, 8, 240, 240), 44, 44);
  p.fillPath(tile, sand);
  p.setPen(QPen(QColor(0x8C, 0x6E, 0x44), 4));
  p.drawPath(tile);
}

void DrawBook(QPainter& p) {
  // The cover shows a little below and beside the pages.
  QPainterPath cover;
  cover.moveTo(26, 80);
  cover.lineTo(128, 96);
  cover.lineTo(230, 80);
  cover.lineTo(230, 214);
  cover.lineTo(128, 230);
  cover.lineTo(26, 214);
  cover.closeSubpath();
  p.fillPath(cover, kCover);

  for (qreal outer : {36.0, 220.0}) {
    QLinearGradient light(outer, 0, 128, 0);
    light.setColorAt(0.0, kPage);
    light.setColorAt(0.8, kPage);
    light.setColorAt(1.0, kPageShade);
    p.fillPath(PagePath(outer), light);
  }
  p.setPen(QPen(kCover, 3));
  p.drawLine(QPointF(128, 86), QPointF(128, 214));
}

// "Ҥ" in strokes, so the icon needs no font: two stems, the bar between them
// and the flag that runs right from the top of the second stem.
void DrawLetter(QPainter& p) {
  QPen pen(kInk, 15, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
  p.setPen(pen);
  constexpr qreal kLeft = 54, kRight = 90, kTop = 102, kBottom = 176;
  p.drawLine(QPointF(kLeft, kTop), QPointF(kLeft, kBottom));
  p.drawLine(QPointF(kLeft, (kTop + kBottom) / 2), QPointF(kRight, (kTop + kBottom) / 2));
  QPainterPath rightStem;
  rightStem.moveTo(kRight, kBottom);
  rightStem.lineTo(kRight, kTop);
  rightStem.lineTo(kRight + 16, kTop);
  p.drawPath(rightStem);
}

// Lines of text on the right page, the last one short as a paragraph ends.
void DrawTextLines(QPainter& p) {
  p.setPen(QPen(QColor(0x8C, 0x7A, 0x5C), 9, Qt::SolidLine, Qt::RoundCap));
  constexpr qreal kLeft = 148, kRight = 200;
  const qreal rows[] = {108, 132, 156, 180};
  for (qreal y : rows) {
    const qreal right = y == rows[std::size(rows) - 1] ? kLeft + 28 : kRight;
    p.drawLine(QPointF(kLeft, y), QPointF(right, y));
  }
}

}  // namespace

void DrawIcon(QPainter& painter, int size) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(size / kUnits, size / kUnits);
  DrawTile(painter);
  DrawBook(painter);
  DrawLetter(painter);
  DrawTextLines(painter);
  painter.restore();
}

QIcon ProgramIcon() {
  QIcon icon;
  for (const int size : {16, 24, 32, 48, 64, 128}) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    DrawIcon(painter, size);
    painter.end();
    icon.addPixmap(QPixmap::fromImage(image));
  }
  return icon;
}

}  // namespace sahdict::app
