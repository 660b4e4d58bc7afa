#include "ui/article/HtmlView.h"

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

QVariant HtmlView::loadResource(int, const QUrl&) { return {}; }

}  // namespace sahdict::ui
