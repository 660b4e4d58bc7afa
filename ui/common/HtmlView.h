#pragma once
// The HTML view of the article and message windows: shows whole page texts,
// follows no link and loads nothing; a click on a word of the page is told
// to the window, which may look it up.

#include <QTextBrowser>
#include <string>

namespace sahdict::ui {

class HtmlView : public QTextBrowser {
  Q_OBJECT

 public:
  explicit HtmlView(QWidget* parent = nullptr);

  // Replaces the document with a page text made by the renderer. A page whose
  // markup would take the layout too long (tables nested more than four deep,
  // elements more than 32, a number above 2000 in a tag) is shown as its
  // plain text after a note, and so is the start of a page of more than
  // 100,000 characters; a word of more than 200 characters gets places to
  // break the line.
  void SetPage(const std::u16string& page);

  // The text size in steps of one point from the normal size, kept within
  // kMinZoom..kMaxZoom. Ctrl and the mouse wheel step it too.
  static constexpr int kMinZoom = -4, kMaxZoom = 16;
  void SetZoom(int steps);
  int Zoom() const { return zoom_; }

  // Pages name no resources; anything asked for (images, style sheets, links),
  // by any scheme or path, gets a harmless empty stand-in: a 1x1 transparent
  // image or an empty text. Nothing is ever read.
  QVariant loadResource(int type, const QUrl& name) override;

 signals:
  // A click (no text selected by it) landed on `word` of the page, shown in
  // the colour of Sakha words when `sakha`.
  void WordClicked(const std::u16string& word, bool sakha);

 protected:
  void wheelEvent(QWheelEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  int zoom_ = 0;
};

}  // namespace sahdict::ui
