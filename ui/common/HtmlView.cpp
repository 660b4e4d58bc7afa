#include "ui/common/HtmlView.h"

#include <QImage>
#include <QMouseEvent>
#include <QTextCursor>
#include <QTextDocument>
#include <QWheelEvent>
#include <algorithm>

#include "core/render/ArticleRenderer.h"
#include "core/text/mdlCommon.h"
#include "ui/common/PageForView.h"
#include "ui/common/TextConversion.h"

namespace sahdict::ui {

HtmlView::HtmlView(QWidget* parent) : QTextBrowser(parent) {
  setReadOnly(true);
  setOpenLinks(false);
  setOpenExternalLinks(false);
  setUndoRedoEnabled(false);
}

void HtmlView::SetPage(const std::u16string& page) { setHtml(ToQString(PageForView(page))); }

void HtmlView::SetZoom(int steps) {
  steps = std::clamp(steps, kMinZoom, kMaxZoom);
  zoomIn(steps - zoom_);
  zoom_ = steps;
}

void HtmlView::mouseReleaseEvent(QMouseEvent* event) {
  QTextBrowser::mouseReleaseEvent(event);
  if (event->button() != Qt::LeftButton || textCursor().hasSelection()) return;
  const QTextCursor at = cursorForPosition(event->position().toPoint());
  const std::u16string text = ToU16String(document()->toPlainText());
  // The character under the pointer: the one after the cursor, or before it at a word's end.
  size_t index = static_cast<size_t>(at.position());
  if (index >= text.size() || WordAt(text, index).empty()) index = index > 0 ? index - 1 : index;
  const std::u16string word = WordAt(text, index);
  if (word.empty()) return;
  QTextCursor inside(document());
  inside.setPosition(static_cast<int>(index) + 1);
  const QColor colour = inside.charFormat().foreground().color();
  emit WordClicked(word, IsSakhaWordColour(ToU16String(colour.name().mid(1).toUpper())));
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
