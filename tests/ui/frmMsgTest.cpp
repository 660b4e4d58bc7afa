// The real message window in its normal and compact layouts, with its title
// and line breaks. (Every other window test answers Msg through its seam.)
#include <QApplication>
#include <QPushButton>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "ui/common/HtmlView.h"
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
};

QTEST_MAIN(frmMsgTest)
#include "frmMsgTest.moc"
