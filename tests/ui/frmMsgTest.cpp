// The real message window in its normal and compact layouts, with its title
// and line breaks. (Every other window test answers Msg through its seam.)
#include <QApplication>
#include <QPushButton>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>
#include <QtTest>
#include <QLineEdit>
#include <QMenu>
#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>

#include "core/render/ArticleRenderer.h"
#include "core/render/MessagePage.h"
#include "ui/common/HtmlView.h"
#include "ui/common/QtTranslation.h"
#include "ui/common/frmMsg.h"

using namespace sahdict::ui;

namespace {

struct Seen {
  QString title;
  QList<QRect> layout;  // client area, view, button
  QString plain;
  QTextCharFormat first;        // format of the first character
  QTextCharFormat punctuation;  // format of the first "."
  bool modal = false;
  bool scrollBarOff = false;
};

// Runs Msg with the real window; while it is open, records what it shows and
// presses "ОК" (or closes the window through its close box).
Seen ShowAndClose(const std::u16string& text, const std::u16string& caption, int16_t lines, bool byCloseBox = false) {
  Seen seen;
  bool inspected = false;
  QTimer::singleShot(0, [&] {
    auto* window = qobject_cast<frmMsg*>(QApplication::activeModalWidget());
    if (window == nullptr) return;
    auto* view = window->findChild<HtmlView*>(QStringLiteral("dhtml"));
    auto* ok = window->findChild<QPushButton*>(QStringLiteral("btnOK"));
    seen.title = window->windowTitle();
    seen.layout = {window->rect(), view->geometry(), ok->geometry()};
    seen.modal = window->isModal();
    seen.scrollBarOff = view->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOff;
    const QTextDocument* doc = view->document();
    seen.plain = doc->toPlainText();
    seen.first = doc->begin().begin().fragment().charFormat();
    for (QTextBlock::iterator it = doc->begin().begin(); !it.atEnd(); ++it)
      if (it.fragment().text() == QStringLiteral(".")) {
        seen.punctuation = it.fragment().charFormat();
        break;
      }
    inspected = true;
    if (byCloseBox) {
      window->close();
    } else {
      QTest::mouseClick(ok, Qt::LeftButton);
    }
  });
  Msg(text, caption, lines);
  if (!inspected) qWarning("the message window did not open");
  return seen;
}

// The contrast ratio of two colours (relative luminance, as the accessibility
// guidelines define it).
double Contrast(const QColor& a, const QColor& b) {
  const auto luminance = [](const QColor& c) {
    const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
  };
  const double x = luminance(a), y = luminance(b);
  return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

// The page's background and every text colour the view shows on it.
std::pair<QColor, QList<QColor>> PageColours(const HtmlView& view) {
  QList<QColor> colours;
  for (QTextBlock block = view.document()->begin(); block.isValid(); block = block.next())
    for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
      const QTextCharFormat f = it.fragment().charFormat();
      colours << (f.hasProperty(QTextFormat::ForegroundBrush) ? f.foreground().color() : view.palette().text().color());
    }
  return {view.document()->rootFrame()->frameFormat().background().color(), colours};
}

}  // namespace

class frmMsgTest : public QObject {
  Q_OBJECT

 private slots:
  // Normal layout (any Lines but 1), then compact, then normal again: every
  // message starts from the design. CR LF become line breaks, a lone LF does not.
  void Layouts() {
    const Seen normal = ShowAndClose(u"a.b\r\nc\nd", u"", 0);
    QVERIFY(normal.modal);
    QCOMPARE(normal.plain, QStringLiteral("a.b\nc d"));
    QCOMPARE(normal.first.foreground().color(), QColor(0x7B, 0x90, 0x06));
    QVERIFY(normal.first.fontWeight() < QFont::Bold);
    QCOMPARE(normal.punctuation.foreground().color(), QColor(0x5B, 0x54, 0x4B));
    QVERIFY(normal.punctuation.fontWeight() >= QFont::Bold);
    QVERIFY(!normal.scrollBarOff);

    const Seen compact = ShowAndClose(u"x.y", u"Проверка языка слова", 1);
    QCOMPARE(compact.title, QStringLiteral("Проверка языка слова | ") + normal.title);
    // The compact window is lower; the button stays below the view.
    QVERIFY(compact.layout[0].height() < normal.layout[0].height());
    QVERIFY(compact.layout[2].top() > compact.layout[1].bottom());
    QCOMPARE(compact.first.foreground().color(), QColor(0x87, 0x61, 0x12));
    QVERIFY(compact.first.fontWeight() >= QFont::Bold);
    QVERIFY(compact.scrollBarOff);

    const Seen again = ShowAndClose(u"z", u"", 2, /*byCloseBox=*/true);
    QCOMPARE(again.layout, normal.layout);
    QVERIFY(!again.scrollBarOff);
  }

  // A message quoting markup (a header of a hostile dictionary) shows it as text.
  void MarkupIsShownAsText() {
    std::u16string cells;
    for (int k = 0; k < 30; ++k) cells += u"<table><tr><td>";
    Seen seen = ShowAndClose(u"Некорректный параметр dicttype " + cells, u"", 0);
    QCOMPARE(seen.plain.remove(QChar(0x200B)), QString::fromStdU16String(u"Некорректный параметр dicttype " + cells));
  }

  // Under a dark palette the article and message pages are dark, each text
  // colour at least 4.5 : 1 against the page; under a light one the documented colours.
  void DarkPalettePages() {
    const std::u16string pages[] = {
        sahdict::RenderArticle(u"дом", u"сущ.", u"мой дом .мин .дьиэм; .дьиэ (жилище), разг*ов (.ат) кое-что .ат*ыр"),
        sahdict::MessagePage(u"Вероятность - 50.0%\r\nРусские: ", 0, sahdict::SakhaLettersTable()),
        sahdict::MessagePage(u"Слишком коротко!", 1)};
    const QPalette light = QApplication::palette();
    QPalette dark = light;
    for (const auto& [role, colour] : {std::pair{QPalette::Window, 0x303030}, {QPalette::WindowText, 0xF0F0F0},
                                       {QPalette::Base, 0x252525}, {QPalette::Text, 0xF0F0F0}})
      dark.setColor(role, QColor::fromRgb(static_cast<QRgb>(colour)));
    QApplication::setPalette(dark);
    HtmlView view;
    for (const std::u16string& page : pages) {
      view.SetPage(page);
      const auto [background, colours] = PageColours(view);
      QVERIFY(background.lightness() < 64);
      QVERIFY(colours.size() > 1);
      for (const QColor& c : colours) QVERIFY2(Contrast(c, background) >= 4.5, qPrintable(c.name()));
    }
    QApplication::setPalette(light);
    HtmlView lightView;
    lightView.SetPage(pages[0]);
    const auto [background, colours] = PageColours(lightView);
    QCOMPARE(background, QColor(0xFA, 0xFA, 0xF5));
    QVERIFY(colours.contains(QColor(0x7B, 0x90, 0x06)) && colours.contains(QColor(0xB2, 0x78, 0x00)));
  }

  // Qt's own texts speak Russian when its translations are installed.
  void QtTextsInRussian() {
    if (!InstallQtTranslation()) QSKIP("Qt's Russian translations (qt6-translations-l10n) are not installed");
    QLineEdit box;
    const std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
    QStringList items;
    for (const QAction* a : menu->actions()) items << a->text();
    QVERIFY2(items.join(' ').contains(QStringLiteral("Копировать")), qPrintable(items.join(' ')));
  }
};

QTEST_MAIN(frmMsgTest)
#include "frmMsgTest.moc"
