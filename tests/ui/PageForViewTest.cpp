// What the HTML view changes in a page before showing it, and how Qt then
// shows the two constructs it rewrites.
#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>

#include "core/render/ArticleRenderer.h"
#include "ui/article/HtmlView.h"
#include "ui/article/PageForView.h"

using namespace sahdict;
using namespace sahdict::ui;

namespace {

QStringList g_warnings;

void RecordWarnings(QtMsgType type, const QMessageLogContext&, const QString& text) {
  if (type != QtDebugMsg && type != QtInfoMsg) g_warnings << text;
}

}  // namespace

class PageForViewTest : public QObject {
  Q_OBJECT

 private slots:
  void Rewrites_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("view");
    QTest::newRow("example block") << "<br><div style='padding: 0,0,0,20px'>x</div>"
                                   << "<br><div style='margin-left:20px'>x</div>";
    QTest::newRow("empty colour with size") << "<font color=# size=6>дом</font>" << "<font size=6>дом</font>";
    QTest::newRow("empty colour alone") << "<font color=#>дом</font>" << "<font>дом</font>";
    QTest::newRow("every occurrence") << "<font color=# size=3><font color=# size=5>a</font></font>"
                                      << "<font size=3><font size=5>a</font></font>";
    QTest::newRow("real colour stays") << "<font color=#7B9006>ат</font>" << "<font color=#7B9006>ат</font>";
    QTest::newRow("page frame stays") << "<body bgcolor=#FAFAF5></body>" << "<body bgcolor=#FAFAF5></body>";
    QTest::newRow("text is not touched") << "color=# in words" << "color=# in words";
  }
  void Rewrites() {
    QFETCH(QString, page);
    QFETCH(QString, view);
    QCOMPARE(QString::fromStdU16String(PageForView(page.toStdU16String())), view);
  }

  // An article with an example: shown without warnings, the example block
  // indented by 20 px, the headword in the surrounding colour.
  void ExampleArticleInTheView() {
    const std::u16string page = RenderArticle(u"дом", u"сущ.", u".дьиэ; мой дом .мин .дьиэм");
    QVERIFY(page.find(u"padding: 0,0,0,20px") != std::u16string::npos);
    QVERIFY(page.find(u"color=# ") != std::u16string::npos);

    HtmlView view;
    g_warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(RecordWarnings);
    view.SetPage(page);
    qInstallMessageHandler(previous);
    QCOMPARE(g_warnings, QStringList());

    const QTextDocument* doc = view.document();
    QVERIFY(doc->toPlainText().startsWith(QStringLiteral("дом (сущ.)")));
    bool exampleFound = false;
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
      if (block.text().contains(QStringLiteral("Пример"))) {
        exampleFound = true;
        QCOMPARE(block.blockFormat().leftMargin(), 20.0);
      } else {
        QCOMPARE(block.blockFormat().leftMargin(), 0.0);
      }
    }
    QVERIFY(exampleFound);
    const QTextCharFormat headword = doc->begin().begin().fragment().charFormat();
    QVERIFY(!headword.hasProperty(QTextFormat::ForegroundBrush));
  }

  // The view follows no link and loads nothing.
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

QTEST_MAIN(PageForViewTest)
#include "PageForViewTest.moc"
