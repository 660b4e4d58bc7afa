// The article window: placement when it loads, reuse while open, the minimum
// size, and loading again after the user closed it.
#include <QGuiApplication>
#include <QScreen>
#include <QtTest>

#include "ui/article/HtmlView.h"
#include "ui/article/frmWord.h"

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

}  // namespace

class frmWordTest : public QObject {
  Q_OBJECT

 private slots:
  void PlacedOnLoadKeptWhileOpen() {
    frmWord window;
    QVERIFY(!window.IsLoaded());
    Open(window, u"дом | Korvane - Sah Dictionary", u"<body bgcolor=#FAFAF5>дом</body>");
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.windowTitle(), QStringLiteral("дом | Korvane - Sah Dictionary"));
    QCOMPARE(window.pos(), LoadPlace());
    QCOMPARE(window.size(), QSize(483, 207));
    auto* txt = window.findChild<HtmlView*>(QStringLiteral("txt"));
    QCOMPARE(txt->geometry(), QRect(QPoint(0, 0), window.size()));
    QCOMPARE(txt->toPlainText(), QStringLiteral("дом"));

    // The user moves and enlarges it; the next article keeps both.
    window.move(30, 40);
    window.resize(600, 300);
    QTRY_COMPARE(window.size(), QSize(600, 300));
    Open(window, u"вода | Korvane - Sah Dictionary", u"<body>вода</body>");
    QCOMPARE(window.pos(), QPoint(30, 40));
    QCOMPARE(window.size(), QSize(600, 300));
    QCOMPARE(window.windowTitle(), QStringLiteral("вода | Korvane - Sah Dictionary"));
    QCOMPARE(txt->toPlainText(), QStringLiteral("вода"));
    QTRY_COMPARE(txt->geometry(), QRect(0, 0, 600, 300));

    // Closed, it loads again from the design at the load place.
    window.close();
    QVERIFY(!window.IsLoaded());
    Open(window, u"x", u"<body>x</body>");
    QCOMPARE(window.pos(), LoadPlace());
    QCOMPARE(window.size(), QSize(483, 207));
  }

  // Below 3500 twips wide (outer) or 2000 twips high (client) it snaps back.
  void MinimumSize() {
    frmWord window;
    Open(window, u"t", u"<body>t</body>");
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.resize(100, 50);
    QTRY_VERIFY(window.height() >= 134);
    QTRY_VERIFY(window.frameGeometry().width() >= 234);
    QCOMPARE(window.findChild<HtmlView*>(QStringLiteral("txt"))->size(), window.size());
  }
};

QTEST_MAIN(frmWordTest)
#include "frmWordTest.moc"
