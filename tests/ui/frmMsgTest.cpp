// The message window: the seam tests use, the real window in its normal and
// compact layouts, and its title.
#include <QApplication>
#include <QPushButton>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "ui/article/HtmlView.h"
#include "ui/article/frmMsg.h"

using namespace sahdict::ui;

namespace {

struct Seen {
  QString title;
  QRect view, button;
  QSize client;
  QString plain;
  QTextCharFormat first;       // format of the first character
  QTextCharFormat punctuation; // format of the first "."
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
    seen.view = view->geometry();
    seen.button = ok->geometry();
    seen.client = window->size();
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

}  // namespace

class frmMsgTest : public QObject {
  Q_OBJECT

 private slots:
  void HandlerReplacesTheWindow() {
    QList<QStringList> calls;
    const MsgHandler before = SetMsgHandler([&](const std::u16string& t, const std::u16string& c, int16_t l) {
      calls << QStringList{QString::fromStdU16String(t), QString::fromStdU16String(c), QString::number(l)};
    });
    QVERIFY(!before);
    Msg(u"Текст", u"Заголовок", 1);
    Msg(u"", u"", 0);
    QCOMPARE(calls, (QList<QStringList>{{"Текст", "Заголовок", "1"}, {"", "", "0"}}));
    QVERIFY(static_cast<bool>(SetMsgHandler({})));
    QVERIFY(QApplication::activeModalWidget() == nullptr);
  }

  void Title_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("title");
    QTest::newRow("no caption") << "" << "Sah Dictionary | made by Orlen - sahdict@example.org";
    QTest::newRow("caption") << "Проверка языка слова"
                             << "Проверка языка слова | Sah Dictionary | made by Orlen - sahdict@example.org";
  }
  void Title() {
    QFETCH(QString, caption);
    QFETCH(QString, title);
    QCOMPARE(QString::fromStdU16String(MsgTitle(caption.toStdU16String())), title);
  }

  // Normal layout (any Lines but 1), then compact, then normal again: every
  // message starts from the design.
  void Layouts() {
    const Seen normal = ShowAndClose(u"a.b", u"", 0);
    QVERIFY(normal.modal);
    QCOMPARE(normal.title, QStringLiteral("Sah Dictionary | made by Orlen - sahdict@example.org"));
    QCOMPARE(normal.client, QSize(521, 206));
    QCOMPARE(normal.view, QRect(0, 0, 521, 169));
    QCOMPARE(normal.button, QRect(200, 176, 121, 25));
    QCOMPARE(normal.plain, QStringLiteral("a.b"));
    QCOMPARE(normal.first.foreground().color(), QColor(0x7B, 0x90, 0x06));
    QVERIFY(normal.first.fontWeight() < QFont::Bold);
    QCOMPARE(normal.punctuation.foreground().color(), QColor(0x5B, 0x54, 0x4B));
    QVERIFY(normal.punctuation.fontWeight() >= QFont::Bold);
    QVERIFY(!normal.scrollBarOff);

    const Seen compact = ShowAndClose(u"x.y", u"Проверка языка слова", 1);
    QCOMPARE(compact.title,
             QStringLiteral("Проверка языка слова | Sah Dictionary | made by Orlen - sahdict@example.org"));
    QCOMPARE(compact.client, QSize(521, 93));
    QCOMPARE(compact.view, QRect(0, 0, 521, 60));
    QCOMPARE(compact.button, QRect(200, 67, 121, 25));
    QCOMPARE(compact.first.foreground().color(), QColor(0x87, 0x61, 0x12));
    QVERIFY(compact.first.fontWeight() >= QFont::Bold);
    QVERIFY(compact.scrollBarOff);

    const Seen again = ShowAndClose(u"z", u"", 2, /*byCloseBox=*/true);
    QCOMPARE(again.client, QSize(521, 206));
    QCOMPARE(again.view, QRect(0, 0, 521, 169));
    QCOMPARE(again.button, QRect(200, 176, 121, 25));
    QVERIFY(!again.scrollBarOff);
  }

  // CR LF become line breaks; a lone LF does not.
  void LineBreaks() {
    QCOMPARE(ShowAndClose(u"x\r\ny", u"", 0).plain, QStringLiteral("x\ny"));
    QCOMPARE(ShowAndClose(u"x\ny", u"", 0).plain, QStringLiteral("x y"));
  }
};

QTEST_MAIN(frmMsgTest)
#include "frmMsgTest.moc"
