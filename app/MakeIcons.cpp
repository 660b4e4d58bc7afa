// Writes the program's icon as PNG files for the icon theme's folders:
//   sahdict-make-icons OUT-DIR ICON-NAME SIZE...
// gives OUT-DIR/<SIZE>x<SIZE>/apps/ICON-NAME.png for every SIZE.
// The icon is painted on a QImage without text, so no platform plugin or
// application object is needed.

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QString>
#include <cstdio>

#include "app/IconPicture.h"

int main(int argc, char* argv[]) {
  if (argc < 4) {
    std::fputs("usage: sahdict-make-icons OUT-DIR ICON-NAME SIZE...\n", stderr);
    return 2;
  }
  const QString outDir = QString::fromLocal8Bit(argv[1]);
  const QString iconName = QString::fromLocal8Bit(argv[2]);
  for (int i = 3; i < argc; ++i) {
    bool ok = false;
    const int size = QString::fromLocal8Bit(argv[i]).toInt(&ok);
    if (!ok || size < 16 || size > 1024) {
      std::fprintf(stderr, "sahdict-make-icons: not an icon size: %s\n", argv[i]);
      return 2;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    sahdict::app::DrawIcon(painter, size);
    painter.end();

    const QString folder = QStringLiteral("%1/%2x%2/apps").arg(outDir).arg(size);
    const QString file = QStringLiteral("%1/%2.png").arg(folder, iconName);
    if (!QDir().mkpath(folder) || !image.save(file, "PNG")) {
      std::fprintf(stderr, "sahdict-make-icons: cannot write %s\n", qPrintable(file));
      return 2;
    }
  }
  return 0;
}
