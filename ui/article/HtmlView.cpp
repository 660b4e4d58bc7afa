#include "ui/article/HtmlView.h"

#include <QImage>
#include <QTextDocument>

#include "ui/article/PageForView.h"
#include "ui/common/TextConversion.h"

namespace sahdict::ui {

HtmlView::HtmlView(QWidget* parent) : QTextBrowser(parent) {
  setReadOnly(true);
  setOpenLinks(false);
  setOpenExternalLinks(false);
  setUndoRedoEnabled(false);
}

void HtmlView::SetPage(const std::u16string& page) { setHtml(ToQString(PageForView(page))); }

QVariant HtmlView::loadResource(int type, const QUrl&) {
  // Something must be returned: for nothing at all, the document and its
  // image handler go to the disk themselves (a path taken as relative to the
  // working folder included).
  if (type == QTextDocument::ImageResource) {
    QImage blank(1, 1, QImage::Format_ARGB32);
    blank.fill(Qt::transparent);
    return blank;
  }
  return QByteArray();
}

}  // namespace sahdict::ui
