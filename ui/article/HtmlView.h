#pragma once
// The HTML view of the article and message windows: shows whole page texts,
// follows no link and loads nothing.

#include <QTextBrowser>
#include <string>

namespace sahdict::ui {

class HtmlView : public QTextBrowser {
  Q_OBJECT

 public:
  explicit HtmlView(QWidget* parent = nullptr);

  // Replaces the document with a page text made by the renderer.
  void SetPage(const std::u16string& page);

  // Pages name no resources; anything asked for (images, style sheets, links),
  // by any scheme or path, gets a harmless empty stand-in: a 1x1 transparent
  // image or an empty text. Nothing is ever read.
  QVariant loadResource(int type, const QUrl& name) override;
};

}  // namespace sahdict::ui
