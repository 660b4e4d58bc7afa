#include "ui/common/HtmlView.h"

#include <QImage>
#include <QTextDocument>
#include <QWheelEvent>
#include <algorithm>

#include "ui/common/PageForView.h"
#include "ui/common/TextConversion.h"

namespace sahdict::ui {

HtmlView::HtmlView(QWidget* parent) : QTextBrowser(parent) {
  setReadOnly(true);
  setOpenLinks(false);
  setOpenExternalLinks(false);
  setUndoRedoEnabled(false);
}

void HtmlView::SetPage(const std::u16string& page) { setHtml(ToQString(PageForView(page, IsDarkPalette(palette())))); }

void HtmlView::SetZoom(int steps) {
  steps = std::clamp(steps, kMinZoom, kMaxZoom);
  zoomIn(steps - zoom_);
  zoom_ = steps;
}

void HtmlView::wheelEvent(QWheelEvent* event) {
  // The text edit would zoom by itself, in steps this view would not count.
  if (event->modifiers() & Qt::ControlModifier) {
    if (const int delta = event->angleDelta().y(); delta != 0) SetZoom(zoom_ + (delta > 0 ? 1 : -1));
    event->accept();
    return;
  }
  QTextBrowser::wheelEvent(event);
}

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
