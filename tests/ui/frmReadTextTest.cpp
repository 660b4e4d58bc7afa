// The reading window opened from the lookup window's "Plugins" menu, on the
// morphology test dictionary: glosses, marks, the letters setting and a click.
#include <QAction>
#include <QLabel>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolTip>
#include <QtTest>
#include <memory>

#include "core/dict/mdlDictParser.h"
#include "tests/ui/DictTestFiles.h"
#include "ui/article/frmWord.h"
#include "ui/common/Settings.h"
#include "ui/lookup/frmDict.h"
#include "ui/reader/frmReadText.h"

using namespace sahdict;
using namespace sahdict::ui;
using namespace Qt::StringLiterals;

class frmReadTextTest : public QObject {
  Q_OBJECT

  QTemporaryDir dir_;
  DictStore store_;
  std::unique_ptr<frmDict> dict_;

  // The format of `word`'s last letter in the view.
  static QTextCharFormat FormatOf(frmReadText& w, const QString& word) {
    const QTextCursor found = w.View()->document()->find(word);
    return found.isNull() ? QTextCharFormat() : found.charFormat();
  }

 private slots:
  void initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    test::FreshSettings(dir_.path());
    Settings::Instance().SetSakhaLetters(false);
    QVERIFY(ReadDictionary(store_, SAHDICT_MORPH_DICT, [](const std::u16string&) {}, {}).ok);
    dict_ = std::make_unique<frmDict>(store_, DictHooks{{}, {}, {}, (dir_.path() + u"/data"_s).toStdU16String()});
    dict_->Form_Load();
  }

  void GlossesMarksAndOpens() {
    dict_->findChild<QAction*>(u"mnuReadText"_s)->trigger();
    frmReadText* w = dict_->findChild<frmReadText*>();
    QVERIFY(w != nullptr && w->isVisible());
    w->SetText(u"Оҕолор дьиэлэригэр зыргылдьыт,\r\nо5о кэрэ-кэрэ!"_s);
    QTRY_VERIFY(!w->IsGlossing());
    QCOMPARE(w->findChild<QLabel*>(u"lblProgress"_s)->text(), u"Слов: 5, без разбора: 1"_s);
    QCOMPARE(w->View()->toPlainText(), u"Оҕолор дьиэлэригэр зыргылдьыт,\nо5о кэрэ-кэрэ!"_s);

    QVERIFY(FormatOf(*w, u"дьиэлэригэр"_s).isAnchor());
    QCOMPARE(FormatOf(*w, u"о5о"_s).toolTip(), u"о5о: о5о (ребёнок) — ребёнок\nнач. форма"_s);
    QVERIFY(FormatOf(*w, u"кэрэ-кэрэ"_s).isAnchor());
    const QTextCharFormat unknown = FormatOf(*w, u"зыргылдьыт"_s);
    QVERIFY(!unknown.isAnchor());
    QCOMPARE(unknown.underlineStyle(), QTextCharFormat::WaveUnderline);

    // "Якутские буквы" shows the lemmas with real letters.
    Settings::Instance().SetSakhaLetters(true);
    QTRY_VERIFY(!w->IsGlossing());
    QCOMPARE(FormatOf(*w, u"Оҕолор"_s).toolTip(), u"Оҕолор: оҕо (ребёнок) — ребёнок\nмн. ч."_s);
    Settings::Instance().SetSakhaLetters(false);
    QTRY_VERIFY(!w->IsGlossing());

    // The form under the mouse: its gloss on hover, its lemma's article on a click.
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QTextCursor at = w->View()->document()->find(u"дьиэлэригэр"_s);
    at.setPosition(at.selectionStart() + 3);
    const QPoint point = w->View()->cursorRect(at).center();
    // Hovering shows the gloss in a tooltip and on the line under the text.
    const QString gloss = u"дьиэлэригэр: дьиэ (дом) — дом\nмн. ч., 3 л. ед. ч. притяж., дат.-мест. п."_s;
    QTest::mouseMove(w->View()->viewport(), point);
    QTRY_COMPARE(w->findChild<QLabel*>(u"lblGloss"_s)->text(), gloss);
    QHelpEvent help(QEvent::ToolTip, point, w->View()->viewport()->mapToGlobal(point));
    QApplication::sendEvent(w->View()->viewport(), &help);
    QTRY_COMPARE(QToolTip::text(), gloss);
    QTest::mouseClick(w->View()->viewport(), Qt::LeftButton, {}, point);
    QTRY_VERIFY(dict_->ArticleWindow().isVisible());
    QVERIFY2(dict_->ArticleWindow().windowTitle().startsWith(u"дьиэ (дом) |"_s),
             qPrintable(dict_->ArticleWindow().windowTitle()));
  }

  void cleanupTestCase() { dict_.reset(); }
};

QTEST_MAIN(frmReadTextTest)
#include "frmReadTextTest.moc"
