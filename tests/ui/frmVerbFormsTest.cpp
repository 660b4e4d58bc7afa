// The verb-forms window opened as the "Plugins" menu opens it: typed verbs,
// the model's forms in the table, real letters on and off.
#include <QLineEdit>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "tests/ui/DictTestFiles.h"
#include "ui/common/Settings.h"
#include "ui/lookup/PluginMenu.h"
#include "ui/wordforms/frmVerbForms.h"

using namespace sahdict;
using namespace sahdict::ui;
using namespace Qt::StringLiterals;

class frmVerbFormsTest : public QObject {
  Q_OBJECT

  QTemporaryDir folder_;
  DictStore store_;

  // The table's row whose caption is `caption`, after the heading `heading`.
  static int Row(const QTableWidget* t, const QString& heading, const QString& caption) {
    int row = 0;
    while (row < t->rowCount() && t->item(row, 0)->text() != heading) ++row;
    while (++row < t->rowCount() && t->item(row, 0)->text() != caption) {
    }
    return row < t->rowCount() ? row : -1;
  }
  static QStringList Forms(const QTableWidget* t, int row) {
    return {t->item(row, 1)->text(), t->item(row, 2)->text()};
  }

 private slots:
  void initTestCase() {
    test::FreshSettings(folder_.path());
    QVERIFY(test::ReadDictText(store_, folder_.path(), test::kSampleDict));
  }

  void typedVerbShowsItsForms() {
    Settings::Instance().SetSakhaLetters(false);
    OpenVerbForms(store_);
    frmVerbForms* w = frmVerbForms::LoadedWindow();
    QVERIFY(w != nullptr && QTest::qWaitForWindowExposed(w));
    QCOMPARE(w->txtInput()->text(), u"бар"_s);
    // Real letters typed become the notation while the letters are off.
    w->txtInput()->clear();
    for (QChar ch : u"көр"_s) QTest::sendKeyEvent(QTest::Click, w->txtInput(), Qt::Key_unknown, QString(ch), {});
    QCOMPARE(w->txtInput()->text(), u"кOр"_s);
    const QTableWidget* t = w->grdForms();
    const int present1 = Row(t, u"Настоящее-будущее время"_s, u"1 л. ед. ч. (мин)"_s);
    QVERIFY(present1 > 0);
    QCOMPARE(Forms(t, present1), (QStringList{u"кOрOбYн"_s, u"кOрбOппYн"_s}));
    const int past3 = Row(t, u"Недавнее прошедшее время"_s, u"3 л. ед. ч. (кини)"_s);
    QCOMPARE(Forms(t, past3), (QStringList{u"кOрдO"_s, u"кOрбOтO"_s}));
    const int converb = Row(t, u"Деепричастия"_s, u"на -ан"_s);
    QCOMPARE(Forms(t, converb), (QStringList{u"кOрOн"_s, u"кOрYмYнэ"_s}));

    Settings::Instance().SetSakhaLetters(true);
    QCOMPARE(Forms(t, present1), (QStringList{u"көрөбүн"_s, u"көрбөппүн"_s}));
    QCOMPARE(t->item(Row(t, u"Настоящее-будущее время"_s, u"1 л. мн. ч. (биһиги)"_s), 1)->text(), u"көрөбүт"_s);
    Settings::Instance().SetSakhaLetters(false);
    QCOMPARE(t->item(converb, 1)->text(), u"кOрOн"_s);

    // A word that is no dictionary word is inflected all the same; no word empties the table.
    w->txtInput()->setText(u"суруй"_s);
    QCOMPARE(t->item(present1, 1)->text(), u"суруйабын"_s);
    w->txtInput()->clear();
    QCOMPARE(Forms(t, present1), (QStringList{QString(), QString()}));
    // Closing remembers the size, and the next window opens with it.
    w->resize(520, 410);
    w->close();
    QVERIFY(frmVerbForms::LoadedWindow() == nullptr);
    QCOMPARE(Settings::Instance().VerbFormsSize(), QSize(520, 410));
    OpenVerbForms(store_);
    QCOMPARE(frmVerbForms::LoadedWindow()->size(), QSize(520, 410));
    frmVerbForms::LoadedWindow()->close();
  }
};

QTEST_MAIN(frmVerbFormsTest)
#include "frmVerbFormsTest.moc"
