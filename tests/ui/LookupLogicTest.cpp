// The lookup window's logic without its controls: the caret-keeping Sakha
// normalisation, the row a search selects, the arrow keys' wrap-around and the
// targets each source language offers.
#include <QTemporaryDir>
#include <QtTest>

#include "core/dict/DictStore.h"
#include "tests/ui/DictTestFiles.h"
#include "ui/lookup/LangPairs.h"
#include "ui/lookup/SearchHandling.h"

using namespace sahdict;
using namespace sahdict::ui;

class LookupLogicTest : public QObject {
  Q_OBJECT

  QTemporaryDir dir_;
  DictStore sample_;

 private slots:
  void initTestCase() {
    QVERIFY(dir_.isValid());
    test::ReadDictText(sample_, dir_.path(), test::kSampleDict);
    QCOMPARE(sample_.GetPairCount(u"RUS-SAH"), 9);
  }

  void NormalizeSearchText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::newRow("4 typed") << "4" << 1 << "" << "н'" << 2 << 0;
    QTest::newRow("second 7") << "нь7" << 3 << "" << "ннь" << 3 << 0;
    QTest::newRow("canonical stays") << "дь" << 2 << "" << "дь" << 2 << 0;
    QTest::newRow("canonical н'") << "н'" << 2 << "" << "н'" << 2 << 0;
    QTest::newRow("caret after, mid-word") << "а4б" << 2 << "" << "ан'б" << 3 << 0;
    QTest::newRow("caret before the digit") << "а4б" << 1 << "" << "ан'б" << 1 << 0;
    QTest::newRow("selection grows") << "774" << 0 << "774" << "нньн'" << 0 << 5;
    QTest::newRow("selection inside") << "а4б" << 1 << "4" << "ан'б" << 1 << 2;
    QTest::newRow("empty") << "" << 0 << "" << "" << 0 << 0;
    QTest::newRow("caret past the end") << "4" << 9 << "" << "н'" << 2 << 0;
  }
  void NormalizeSearchText() {
    QFETCH(QString, text);
    QFETCH(int, caret);
    QFETCH(QString, selected);
    const SearchBoxText out = ui::NormalizeSearchText(text.toStdU16String(), caret, selected.toStdU16String());
    QTEST(QString::fromStdU16String(out.text), "expected");
    QTEST(out.selStart, "start");
    QTEST(out.selLength, "length");
  }

  void NormalizesOnlySakhaSource() {
    QVERIFY(NormalizesInput(u"SAH-RUS"));
    QVERIFY(!NormalizesInput(u"RUS-SAH"));
    QVERIFY(!NormalizesInput(u"RSE-SAH"));
    QVERIFY(!NormalizesInput(u""));
  }

  // Rows of RUS-SAH: Москва, берёза, вода, день, дом, конь, огонь, сон, хлеб.
  void SearchRow_data() {
    QTest::addColumn<QString>("pair");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("row");
    QTest::newRow("empty text, first row") << "RUS-SAH" << "" << 9 << 0;
    QTest::newRow("prefix") << "RUS-SAH" << "д" << 9 << 3;
    QTest::newRow("longer prefix") << "RUS-SAH" << "до" << 9 << 4;
    QTest::newRow("exact") << "RUS-SAH" << "дом" << 9 << 4;
    QTest::newRow("between words") << "RUS-SAH" << "дома" << 9 << 5;
    QTest::newRow("lower case passes upper-case rows") << "RUS-SAH" << "м" << 9 << 6;
    QTest::newRow("upper case") << "RUS-SAH" << "М" << 9 << 0;
    QTest::newRow("digits sort first") << "RUS-SAH" << "4" << 9 << 0;
    QTest::newRow("beyond the last word") << "RUS-SAH" << "я" << 9 << -1;
    QTest::newRow("row the list lacks") << "RUS-SAH" << "хлеб" << 5 << -1;
    QTest::newRow("last row the list has") << "RUS-SAH" << "дом" << 5 << 4;
    QTest::newRow("no pair") << "" << "" << 9 << -1;
    QTest::newRow("pair without entries") << "RSE-RUS" << "" << 9 << -1;
    QTest::newRow("sakha") << "SAH-RUS" << "н'" << 11 << 6;
    QTest::newRow("sakha exact") << "SAH-RUS" << "дьиэ" << 11 << 1;
  }
  void SearchRow() {
    QFETCH(QString, pair);
    QFETCH(QString, text);
    QFETCH(int, rows);
    QTEST(ui::SearchRow(sample_, pair.toStdU16String(), text.toStdU16String(), rows), "row");
  }

  void ArrowRow_data() {
    QTest::addColumn<int>("selected");
    QTest::addColumn<int>("rows");
    QTest::addColumn<bool>("up");
    QTest::addColumn<int>("row");
    QTest::newRow("up from the first wraps") << 0 << 9 << true << 8;
    QTest::newRow("up") << 5 << 9 << true << 4;
    QTest::newRow("down from the last wraps") << 8 << 9 << false << 0;
    QTest::newRow("down") << 5 << 9 << false << 6;
    QTest::newRow("up without selection") << -1 << 9 << true << 0;
    QTest::newRow("down without selection") << -1 << 9 << false << 0;
    QTest::newRow("single row up") << 0 << 1 << true << 0;
    QTest::newRow("single row down") << 0 << 1 << false << 0;
    QTest::newRow("empty list up") << -1 << 0 << true << -1;
    QTest::newRow("empty list down") << -1 << 0 << false << -1;
    QTest::newRow("beyond 16 bits") << 40000 << 40001 << false << 0;
    QTest::newRow("beyond 16 bits up") << 0 << 40001 << true << 40000;
  }
  void ArrowRow() {
    QFETCH(int, selected);
    QFETCH(int, rows);
    QFETCH(bool, up);
    QTEST(ui::ArrowRow(selected, rows, up ? ArrowKey::Up : ArrowKey::Down), "row");
  }

  void LangPairs_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("wanted");
    QTest::addColumn<QList<int>>("targets");
    QTest::addColumn<int>("target");
    QTest::addColumn<QString>("pair");
    QTest::newRow("start") << 1 << 0 << QList<int>{3} << 3 << "RUS-SAH";
    QTest::newRow("extended keeps Sakha") << 2 << 3 << QList<int>{3} << 3 << "RSE-SAH";
    QTest::newRow("Sakha cannot keep Sakha") << 3 << 3 << QList<int>{1} << 1 << "SAH-RUS";
    QTest::newRow("swap back") << 1 << 3 << QList<int>{3} << 3 << "RUS-SAH";
    QTest::newRow("swap from RSE-SAH") << 3 << 2 << QList<int>{1} << 1 << "SAH-RUS";
    QTest::newRow("no such language") << 0 << 0 << QList<int>{} << 0 << "";
  }
  void LangPairs() {
    QFETCH(int, from);
    QFETCH(int, wanted);
    const LangPairChoice choice = ChooseLangPair(sample_, from, wanted);
    QTEST(QList<int>(choice.targets.begin(), choice.targets.end()), "targets");
    QTEST(static_cast<int>(choice.target), "target");
    QTEST(QString::fromStdU16String(choice.pair), "pair");
  }

  // Targets come in the order their pairs first occur in sorted order; codes
  // outside the language table offer nothing; a source no entry has offers
  // nothing at all.
  void OfferedTargetsOrder() {
    DictStore store;
    test::ReadDictText(store, dir_.path(),
                       u"--dicttype Sorted\r\n--dicttype RAWformat\r\n"
                       u"a\r\na\r\n\r\n\r\nRUS-XXX\r\n"
                       u"b\r\nb\r\n\r\n\r\nRUS-RSE\r\n"
                       u"c\r\nc\r\n\r\n\r\nRUS-SAH\r\n"
                       u"d\r\nd\r\n\r\n\r\nRUS-RSE\r\n");
    QCOMPARE(store.GetEntryCount(), 4);
    QCOMPARE(OfferedTargets(store, 1), (std::vector<int32_t>{2, 3}));
    QCOMPARE(OfferedTargets(store, 3), std::vector<int32_t>{});
    const LangPairChoice none = ChooseLangPair(store, 3, 1);
    QCOMPARE(none.target, 0);
    QVERIFY(none.pair.empty());
  }
};

QTEST_MAIN(LookupLogicTest)
#include "LookupLogicTest.moc"
