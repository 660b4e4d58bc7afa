// The article window: placement when it loads, reuse while open, the minimum
// size, loading again after the user closed it with the size and zoom it had; and the HTML view it shares
// with the message window: how an article with an example looks once the view
// has adapted the page, and that the view follows no link and reads nothing.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>

#include "core/render/ArticleRenderer.h"
#include "tests/ui/DictTestFiles.h"
#include "ui/common/HtmlView.h"
#include "ui/article/frmWord.h"
#include "ui/common/Settings.h"

#include <sys/stat.h>

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

  QTemporaryDir settings_;
 private slots:
  void init() { test::FreshSettings(settings_.path()); }

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

    // Ctrl+plus twice, Ctrl+minus once: the text is one point larger.
    const qreal normal = View(window)->font().pointSizeF();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    for (const Qt::Key key : {Qt::Key_Plus, Qt::Key_Plus, Qt::Key_Minus}) QTest::keyClick(&window, key, Qt::ControlModifier);
    QCOMPARE(View(window)->font().pointSizeF(), normal + 1);

    // Closed, it loads again at the load place with the size and zoom it had,
    // and so does the window of the next start.
    window.close();
    QVERIFY(!window.IsLoaded());
    frmWord next;
    for (frmWord* w : {&window, &next}) {
      Open(*w, u"x", u"<body>x</body>");
      QCOMPARE(w->pos(), LoadPlace());
      QCOMPARE(w->size(), QSize(600, 300));
      QCOMPARE(View(*w)->Zoom(), 1);
    }
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_0, Qt::ControlModifier);
    QCOMPARE(View(window)->font().pointSizeF(), normal);
    // A size larger than the screen is not taken back.
    window.resize(QGuiApplication::primaryScreen()->availableSize() + QSize(10, 10));
    window.close();
    Open(window, u"x", u"<body>x</body>");
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

  // The view follows no link and reads nothing: a red picture named by an
  // absolute path or by a path relative to the working folder, and a style
  // sheet that paints red, leave no red pixel on the screen.
  void FollowsNoLinkAndReadsNothing() {
    QTemporaryDir dir;
    QImage red(40, 40, QImage::Format_RGB32);
    red.fill(Qt::red);
    QVERIFY(red.save(dir.filePath(QStringLiteral("red.png"))));
    QFile css(dir.filePath(QStringLiteral("red.css")));
    QVERIFY(css.open(QIODevice::WriteOnly) && css.write("p { background-color: #FF0000 }") > 0);
    css.close();
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));

    HtmlView view;
    QVERIFY(view.isReadOnly() && !view.openLinks() && !view.openExternalLinks());
    view.resize(300, 200);
    view.SetPage(
        u"<head><link rel='stylesheet' type='text/css' href='red.css'></head><body><p>x</p>"
        u"<a href='http://example.org/'>x</a><img src='" +
        dir.filePath(QStringLiteral("red.png")).toStdU16String() + u"'><img src='red.png'></body>");
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    const QImage shot = view.grab().toImage();
    QDir::setCurrent(previous);
    QVERIFY(view.source().isEmpty());
    int redPixels = 0;
    for (int y = 0; y < shot.height(); ++y)
      for (int x = 0; x < shot.width(); ++x) redPixels += shot.pixelColor(x, y) == QColor(Qt::red);
    QCOMPARE(redPixels, 0);
  }

  // Markup that would keep the layout busy for minutes opens at once: nested
  // too deep, or with huge sizes, as plain text after a note; a word of a
  // million letters, as it is, with places to break its lines.
  void HostileMarkupOpens_data() {
    QTest::addColumn<QString>("markup");
    QTest::addColumn<bool>("plain");
    QTest::newRow("20 nested tables") << QStringLiteral("<table><tr><td>").repeated(20) << true;
    QTest::newRow("100 nested tables") << QStringLiteral("<table><tr><td>").repeated(100) << true;
    QTest::newRow("cellpadding") << QStringLiteral("<table cellpadding=100000000><tr><td>x</table>") << true;
    QTest::newRow("100,000 <b>") << QStringLiteral("<b>").repeated(100000) << true;
    QTest::newRow("10,000 <ul><li>") << QStringLiteral("<ul><li>").repeated(10000) << true;
    QTest::newRow("a word of 1 MB") << QString(1000000, u'ы') << true;
    QTest::newRow("a word of 10 kB") << QString(10000, u'ы') << false;
  }
  void HostileMarkupOpens() {
    QFETCH(QString, markup);
    QFETCH(bool, plain);
    frmWord window;
    Open(window, u"дом", RenderArticle(markup.toStdU16String(), u"сущ.", u".дьиэ"));
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QString shown = View(window)->document()->toPlainText();
    QCOMPARE(shown.startsWith(QStringLiteral("Статья показана без оформления")), plain);
    const qsizetype letters = shown.count(u'ы');  // all of a word, or the first 100,000 characters
    if (!markup.startsWith(u'<')) QVERIFY(letters == markup.size() || (letters > 99000 && shown.size() <= 100001));
  }

  // Settings come only from an ordinary file: a FIFO in its place gives no
  // values and stays a FIFO. A position far off every screen is not used.
  void SettingsFromOrdinaryFileOnly() {
    Settings::Instance().SetWordFormsPosition(QPoint(2147483647, 2147483647));
    QVERIFY(!Settings::Instance().WordFormsPosition(QSize(100, 100)));
    const QString file = QSettings(QSettings::NativeFormat, QSettings::UserScope,
                                   QString::fromStdU16String(kMakerName), QString::fromStdU16String(kProgramName))
                             .fileName();
    QVERIFY(QFile::remove(file) && ::mkfifo(qPrintable(file), 0600) == 0);
    Settings::Instance().SetWordFormsPosition(QPoint(1, 1));
    QVERIFY(!Settings::Instance().WordFormsPosition(QSize(100, 100)));
    QVERIFY(QFileInfo(file).exists() && !QFileInfo(file).isFile());
  }
};

QTEST_MAIN(frmWordTest)
#include "frmWordTest.moc"
