// The article window: placement when it loads, reuse while open, the minimum
// size, loading again after the user closed it; and the HTML view it shares
// with the message window: how an article with an example looks once the view
// has adapted the page, and that the view follows no link and loads nothing.
#include <QGuiApplication>
#include <QScreen>
#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>

#include "core/render/ArticleRenderer.h"
#include "ui/article/HtmlView.h"
#include "ui/article/frmWord.h"

using namespace sahdict;
using namespace sahdict::ui;

namespace {

QPoint LoadPlace() {
  const int width = QGuiApplication::primaryScreen()->geometry().width();
  return {static_cast<int>(width * 0.05), static_cast<int>(width * 0.1)};
}

void Open(frmWord& window, const std::u16string& title, const std::u16string& page) {
  window.SetTitle(title);
  window.SetPage(page);
  window.ShowArticle();
}

HtmlView* View(frmWord& window) { return window.findChild<HtmlView*>(QStringLiteral("txt")); }

QStringList g_warnings;

void RecordWarnings(QtMsgType type, const QMessageLogContext&, const QString& text) {
  if (type != QtDebugMsg && type != QtInfoMsg) g_warnings << text;
}

}  // namespace

class frmWordTest : public QObject {
  Q_OBJECT

 private slots:
  void PlacedOnLoadKeptWhileOpen() {
    frmWord window;
    QVERIFY(!window.IsLoaded());
    Open(window, u"дом | Korvane - Sah Dictionary", u"<body bgcolor=#FAFAF5>дом</body>");
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.pos(), LoadPlace());
    const QSize designed = window.size();
    QCOMPARE(View(window)->geometry(), QRect(QPoint(0, 0), designed));

    // The user moves and enlarges it; the next article keeps both.
    window.move(30, 40);
    window.resize(600, 300);
    QTRY_COMPARE(window.size(), QSize(600, 300));
    Open(window, u"вода | Korvane - Sah Dictionary", u"<body>вода</body>");
    QCOMPARE(window.pos(), QPoint(30, 40));
    QCOMPARE(window.size(), QSize(600, 300));
    QCOMPARE(window.windowTitle(), QStringLiteral("вода | Korvane - Sah Dictionary"));
    QCOMPARE(View(window)->toPlainText(), QStringLiteral("вода"));
    QTRY_COMPARE(View(window)->geometry(), QRect(0, 0, 600, 300));

    // Closed, it loads again from the design at the load place.
    window.close();
    QVERIFY(!window.IsLoaded());
    Open(window, u"x", u"<body>x</body>");
    QCOMPARE(window.pos(), LoadPlace());
    QCOMPARE(window.size(), designed);
  }

  // Below 3500 twips wide (outer) or 2000 twips high (client) it snaps back.
  void MinimumSize() {
    frmWord window;
    Open(window, u"t", u"<body>t</body>");
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.resize(100, 50);
    QTRY_VERIFY(window.height() >= 134);
    QTRY_VERIFY(window.frameGeometry().width() >= 234);
    QCOMPARE(View(window)->size(), window.size());
  }

  // An article with an example in the article window: shown without a warning
  // (Qt warns for every empty colour it is given), the example block indented
  // by 20 px, the headword in the surrounding colour, real colours kept.
  void ExampleArticleInTheWindow() {
    const std::u16string page = RenderArticle(u"дом", u"сущ.", u".дьиэ; мой дом .мин .дьиэм");
    QVERIFY(page.find(u"padding: 0,0,0,20px") != std::u16string::npos);
    QVERIFY(page.find(u"color=# ") != std::u16string::npos);

    frmWord window;
    window.SetTitle(u"дом");
    g_warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(RecordWarnings);
    window.SetPage(page);
    qInstallMessageHandler(previous);
    QCOMPARE(g_warnings, QStringList());
    window.ShowArticle();

    const QTextDocument* doc = View(window)->document();
    QVERIFY(doc->toPlainText().startsWith(QStringLiteral("дом (сущ.)")));
    bool exampleFound = false;
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
      const bool example = block.text().contains(QStringLiteral("Пример"));
      exampleFound |= example;
      QCOMPARE(block.blockFormat().leftMargin(), example ? 20.0 : 0.0);
    }
    QVERIFY(exampleFound);
    QVERIFY(!doc->begin().begin().fragment().charFormat().hasProperty(QTextFormat::ForegroundBrush));
    QCOMPARE(doc->find(QStringLiteral("дьиэ")).charFormat().foreground().color(), QColor(0x7B, 0x90, 0x06));
  }

  void FollowsNoLinkAndLoadsNothing() {
    HtmlView view;
    QVERIFY(view.isReadOnly());
    QVERIFY(!view.openLinks());
    QVERIFY(!view.openExternalLinks());
    view.SetPage(u"<body><a href='http://example.org/'>x</a><img src='file:///etc/hostname'></body>");
    QVERIFY(view.source().isEmpty());
    QVERIFY(!view.loadResource(QTextDocument::ImageResource, QUrl(QStringLiteral("file:///etc/hostname"))).isValid());
    QVERIFY(!view.loadResource(QTextDocument::StyleSheetResource, QUrl(QStringLiteral("http://example.org/a.css")))
                 .isValid());
  }
};

QTEST_MAIN(frmWordTest)
#include "frmWordTest.moc"
