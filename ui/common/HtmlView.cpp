#include "ui/common/HtmlView.h"

#include <QImage>
#include <QMouseEvent>
#include <QTextCursor>
#include <QTextDocument>
#include <QWheelEvent>
#include <algorithm>
#include <optional>
#include <string_view>

#include "core/render/ArticleRenderer.h"
#include "core/text/mdlCommon.h"
#include "ui/common/PageForView.h"
#include "ui/common/TextConversion.h"

namespace sahdict::ui {
namespace {

// What the rich-text layout is given at most: its time grows exponentially
// with nested tables, with the depth of nesting and the sizes in attributes,
// and quadratically with the length of a word it cannot break.
constexpr int kMaxDepth = 32, kMaxTables = 4;
constexpr long kMaxAttributeNumber = 2000;
constexpr size_t kMaxUnbroken = 200, kMaxText = 100000;
constexpr char16_t kBreak = u'\u200B';  // a zero-width space: a place to break a line

constexpr char16_t kTooComplex[] =
    u"Статья показана без оформления: её разметка слишком сложна для показа.\n\n";
constexpr char16_t kTooLong[] = u"Статья показана без оформления и не вся: в ней больше 100 000 знаков.\n\n";

bool Letter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9'); }

// Elements that hold no content, or that close their open sibling, add no depth.
bool AddsNoDepth(std::u16string_view name) {
  static constexpr std::u16string_view kFlat[] = {u"br", u"hr", u"img", u"meta", u"link", u"input", u"col",
                                                  u"area", u"base", u"wbr", u"p", u"li", u"td", u"th",
                                                  u"tr", u"dt", u"dd", u"option"};
  return std::find(std::begin(kFlat), std::end(kFlat), name) != std::end(kFlat);
}

// Whether a tag's attributes hold a number above the bound (colours "#..." aside).
bool LargeNumber(std::u16string_view tag) {
  for (size_t i = 0; i < tag.size(); ++i) {
    if (tag[i] == u'#') {
      while (i + 1 < tag.size() && Letter(tag[i + 1])) ++i;
    } else if (tag[i] >= u'0' && tag[i] <= u'9') {
      long value = 0;
      for (; i < tag.size() && tag[i] >= u'0' && tag[i] <= u'9'; ++i) value = std::min(value * 10 + (tag[i] - u'0'), 1L << 40);
      if (value > kMaxAttributeNumber) return true;
    }
  }
  return false;
}

// The page with a break opportunity in every run of text longer than the
// bound; nullopt when its markup nests too deep or holds too large a number.
std::optional<std::u16string> BoundedPage(const std::u16string& page) {
  std::u16string out;
  out.reserve(page.size());
  int depth = 0, tables = 0;
  size_t run = 0;
  for (size_t i = 0; i < page.size();) {
    const char16_t c = page[i];
    const size_t close = c == u'<' ? page.find(u'>', i) : std::u16string::npos;
    if (close == std::u16string::npos) {
      // An entity ("&lt;") is one character, never parted.
      const size_t semicolon = c == u'&' ? page.find(u';', i) : std::u16string::npos;
      const size_t length = semicolon != std::u16string::npos && semicolon - i <= 8 ? semicolon + 1 - i : 1;
      run = c == u' ' || c == u'\n' || c == u'\t' || c == u'\r' ? 0 : run + 1;
      if (run > kMaxUnbroken) {
        out += kBreak;
        run = 1;
      }
      out.append(page, i, length);
      i += length;
      continue;
    }
    const std::u16string_view tag(page.data() + i + 1, close - i - 1);
    const bool closing = tag.starts_with(u'/');
    size_t end = closing ? 1 : 0;
    while (end < tag.size() && Letter(tag[end])) ++end;
    std::u16string name(tag.substr(closing ? 1 : 0, end - (closing ? 1 : 0)));
    std::transform(name.begin(), name.end(), name.begin(), [](char16_t ch) { return ch >= u'A' && ch <= u'Z' ? ch + 32 : ch; });
    if (!name.empty() && !AddsNoDepth(name) && !tag.ends_with(u'/')) {
      const int step = closing ? -1 : 1;
      depth = std::max(0, depth + step);
      if (name == u"table") tables = std::max(0, tables + step);
      if (depth > kMaxDepth || tables > kMaxTables) return std::nullopt;
    }
    if (!closing && LargeNumber(tag)) return std::nullopt;
    out.append(page, i, close + 1 - i);
    i = close + 1;
  }
  return out;
}

// The page's text without its markup, each over-long word given break
// opportunities, after a note that says why; past kMaxText characters, only
// the first ones.
QString PlainPage(const std::u16string& page) {
  std::u16string text = page.size() > kMaxText ? kTooLong : kTooComplex;
  size_t run = 0;
  bool inTag = false;
  for (const char16_t c : page) {
    if (text.size() > kMaxText) break;
    if (inTag || c == u'<') {
      inTag = c != u'>';
      continue;
    }
    run = c == u' ' || c == u'\n' ? 0 : run + 1;
    if (run > kMaxUnbroken) {
      text += kBreak;
      run = 1;
    }
    text += c;
  }
  return ToQString(text);
}

}  // namespace

HtmlView::HtmlView(QWidget* parent) : QTextBrowser(parent) {
  setReadOnly(true);
  setOpenLinks(false);
  setOpenExternalLinks(false);
  setUndoRedoEnabled(false);
}

void HtmlView::SetPage(const std::u16string& page) {
  const std::u16string adapted = PageForView(page, IsDarkPalette(palette()));
  if (const std::optional<std::u16string> bounded = adapted.size() <= kMaxText ? BoundedPage(adapted) : std::nullopt) {
    setHtml(ToQString(*bounded));
  } else {
    setPlainText(PlainPage(adapted));
  }
}

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
