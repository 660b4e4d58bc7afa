// The word-forms window driven as a user would: options, form boxes, typing, menus.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>
#include <vector>

#include "core/text/mdlSah.h"
#include "tests/ui/DictTestFiles.h"
#include "ui/common/Settings.h"
#include "ui/common/frmMsg.h"
#include "ui/lookup/PluginMenu.h"
#include "ui/wordforms/frmWordForms.h"

using namespace sahdict;
using namespace sahdict::ui;
using namespace Qt::StringLiterals;

namespace {

struct MsgCall {
  QString Text, Caption;
  int Lines;
  bool WindowVisible;  // whether the word-forms window was on screen during the call
  QString Input;       // txtInput at the time of the call
};

// Everything the user can see of the boxes and options.
struct Snapshot {
  QStringList Forms;   // txtForm 1..16, then 100, then txtInput
  QList<int> Bold;     // bold boxes among txtForm 1..8
  QList<int> Checked;  // selected options among optForm 1..8
  bool operator==(const Snapshot&) const = default;
};

// Expected boxes 1..16 for ат with singular selected.
const QStringList kAtSingular = {u"мин атым"_s,    u"эн атын'"_s,       u"кини ата"_s, u"биhиги аппыт"_s,
                                 u"эhиги аккыт"_s, u"кинилэр аттара"_s, u"ат"_s,       u"аттар"_s,
                                 u"ат"_s,          u"атта"_s,           u"акка"_s,     u"аты"_s,
                                 u"аттан"_s,       u"атынан"_s,         u"аттыын"_s,   u"аттаа5ар"_s};

const QStringList kAtPluralPersons = {u"мин аттарым"_s,     u"эн аттарын'"_s,    u"кини аттара"_s,
                                      u"биhиги аттарбыт"_s, u"эhиги аттаргыт"_s, u"кинилэр аттара"_s};

}  // namespace

class frmWordFormsTest : public QObject {
  Q_OBJECT

  QTemporaryDir settings_;
  inline static DictStore store_;  // the model's lexicon; the forms need none of its words
 private:
  std::vector<MsgCall> calls_;
  MsgHandler previous_;
  frmWordForms* w_ = nullptr;  // opened afresh for every test

  // What the menu item "Словоформы" does; the window shows itself after the notice.
  static frmWordForms* Open() {
    OpenWordForms(store_);
    frmWordForms* w = frmWordForms::LoadedWindow();
    return w != nullptr && QTest::qWaitForWindowExposed(w) ? w : nullptr;
  }

  static void CloseWindow() {
    if (frmWordForms* w = frmWordForms::LoadedWindow()) w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  QString Box(int index) const { return w_->txtForm(index)->text(); }

  QStringList Boxes(int from, int to) const {
    QStringList out;
    for (int i = from; i <= to; ++i) out << Box(i);
    return out;
  }

  QList<int> BoldBoxes() const {
    QList<int> out;
    for (int i = 1; i <= 8; ++i)
      if (w_->txtForm(i)->font().bold()) out << i;
    return out;
  }

  QList<int> CheckedOptions() const {
    QList<int> out;
    for (int i = 1; i <= 8; ++i)
      if (w_->optForm(i)->isChecked()) out << i;
    return out;
  }

  Snapshot Take() const { return {Boxes(1, 16) << Box(100) << w_->txtInput()->text(), BoldBoxes(), CheckedOptions()}; }

  static void Click(QWidget* control) { QTest::mouseClick(control, Qt::LeftButton); }

  // Types `text` into the emptied input key by key (keyClicks takes Latin-1 only).
  void Type(const QString& text) const {
    w_->txtInput()->clear();
    for (QChar ch : text) QTest::sendKeyEvent(QTest::Click, w_->txtInput(), Qt::Key_unknown, QString(ch), {});
  }

 private slots:
  void initTestCase() { QVERIFY(test::ReadDictText(store_, settings_.path(), test::kSampleDict)); }

  void init() {
    test::FreshSettings(settings_.path());
    // The documented notation; "Якутские буквы" is on by default.
    Settings::Instance().SetSakhaLetters(false);
    calls_.clear();
    previous_ = SetMsgHandler([this](const std::u16string& text, const std::u16string& caption, int16_t lines) {
      frmWordForms* w = frmWordForms::LoadedWindow();
      calls_.push_back({QString::fromStdU16String(text), QString::fromStdU16String(caption), lines,
                        w != nullptr && w->isVisible(), w != nullptr ? w->txtInput()->text() : QString()});
    });
    w_ = Open();
    QVERIFY(w_ != nullptr);
  }

  void cleanup() {
    CloseWindow();
    SetMsgHandler(previous_);
  }

  void opensWithNoticeFirstThenAt() {
    QCOMPARE(calls_.size(), size_t{1});
    QVERIFY(calls_[0].Text.startsWith(u"Внимание!"_s));
    QVERIFY2(!calls_[0].WindowVisible, "the notice comes before the window appears");
    QCOMPARE(calls_[0].Input, QString());

    QVERIFY(w_->isVisible());
    QCOMPARE(w_->txtInput()->text(), u"ат"_s);
    QCOMPARE(Box(100), u"ат"_s);
    QCOMPARE(Boxes(1, 16), kAtSingular);
    QCOMPARE(BoldBoxes(), QList<int>{7});
    QCOMPARE(CheckedOptions(), QList<int>{7});
  }

  void pluralThenFirstPerson() {
    Click(w_->optForm(8));
    QCOMPARE(CheckedOptions(), QList<int>{8});
    QCOMPARE(BoldBoxes(), QList<int>{8});
    QCOMPARE(Boxes(1, 6), kAtPluralPersons);
    QCOMPARE(Boxes(7, 8), (QStringList{u"ат"_s, u"аттар"_s}));
    QCOMPARE(Boxes(9, 16), (QStringList{u"аттар"_s, u"аттарда"_s, u"аттарга"_s, u"аттары"_s, u"аттартан"_s,
                                        u"аттарынан"_s, u"аттардыын"_s, u"аттардаа5ар"_s}));

    Click(w_->optForm(1));
    QCOMPARE(CheckedOptions(), (QList<int>{1, 8}));
    QCOMPARE(BoldBoxes(), (QList<int>{1, 8}));
    QCOMPARE(Boxes(1, 6), kAtPluralPersons);
    QCOMPARE(Boxes(9, 16), (QStringList{u"аттарым"_s, QString(), u"аттарбар"_s, u"аттарбын"_s, u"аттарбыттан"_s,
                                        u"аттарбынан"_s, u"аттарбыныын"_s, u"аттарбынаа5ар"_s}));

    // Back to singular: the possessor is removed again.
    Click(w_->optForm(7));
    QCOMPARE(CheckedOptions(), QList<int>{7});
    QCOMPARE(BoldBoxes(), QList<int>{7});
    QCOMPARE(Boxes(1, 16), kAtSingular);
  }

  void formBoxClickActsLikeItsOption_data() {
    QTest::addColumn<int>("index");
    for (int i = 1; i <= 8; ++i) QTest::addRow("txtForm %d", i) << i;
  }

  void formBoxClickActsLikeItsOption() {
    QFETCH(int, index);
    // From plural, so that every index changes something: by the option, then
    // (in the window opened again) by the box.
    Click(w_->optForm(8));
    Click(w_->optForm(index));
    const Snapshot byOption = Take();
    QVERIFY(byOption.Checked.contains(index) && byOption.Bold.contains(index));
    CloseWindow();
    w_ = Open();
    QVERIFY(w_ != nullptr);
    Click(w_->optForm(8));
    Click(w_->txtForm(index));
    QVERIFY(Take() == byOption);
  }

  void caseAndProcessedBoxClicksChangeNothing() {
    Click(w_->txtForm(3));
    QCOMPARE(CheckedOptions(), (QList<int>{3, 7}));
    QCOMPARE(BoldBoxes(), (QList<int>{3, 7}));
    QCOMPARE(Boxes(9, 11), (QStringList{u"ата"_s, QString(), u"атыгар"_s}));
    const Snapshot before = Take();
    for (int index : {9, 12, 16, 100}) {
      Click(w_->txtForm(index));
      QVERIFY2(Take() == before, qPrintable(u"txtForm %1"_s.arg(index)));
    }
    QCOMPARE(w_->CurrentIndex, int16_t{3});
  }

  void typedInput_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<QStringList>("forms");  // boxes 1..16
    QTest::newRow("two words inflect the first") << u"ат кус"_s << kAtSingular;
    QTest::newRow("empty") << QString() << QStringList(16, QString());
    QTest::newRow("leading space") << u" ат"_s << QStringList(16, QString());
  }

  void typedInput() {
    QFETCH(QString, input);
    Type(input);
    QCOMPARE(w_->txtInput()->text(), input);
    QCOMPARE(Box(100), input);
    QTEST(Boxes(1, 16), "forms");
    QCOMPARE(BoldBoxes(), QList<int>{7});
    QCOMPARE(CheckedOptions(), QList<int>{7});
  }

  // Vowel-final and other stems as a Sakha speaker writes them; none of these
  // words is in the dictionary.
  void modelForms_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("form");
    for (const auto& [box, form] : {std::pair{1, u"мин о5ом"_s}, {10, u"о5ото"_s}, {12, u"о5ону"_s},
                                    {13, u"о5оттон"_s}, {11, u"о5о5о"_s}})
      QTest::addRow("о5о %d", box) << u"о5о"_s << box << form;
    QTest::newRow("ийэ 1") << u"ийэ"_s << 1 << u"мин ийэм"_s;
    QTest::newRow("дьиэ 1") << u"дьиэ"_s << 1 << u"мин дьиэм"_s;
    QTest::newRow("кYн 13") << u"кYн"_s << 13 << u"кYнтэн"_s;
  }

  void modelForms() {
    QFETCH(QString, input);
    QFETCH(int, box);
    Type(input);
    QTEST(Box(box), "form");
  }

  // 8ат is inflected as typed (in canonical notation); the processed box shows it in canonical form
  // with vowel harmony. Typing keeps the selected option.
  void typedNotationAndSelectedOption() {
    Type(u"8ат"_s);
    QCOMPARE(Box(7), u"Oат"_s);
    QCOMPARE(Box(9), u"Oат"_s);
    QCOMPARE(Box(100), u"OOт"_s);

    Click(w_->optForm(8));
    Click(w_->optForm(4));
    Type(u"сурук"_s);
    QCOMPARE(CheckedOptions(), (QList<int>{4, 8}));
    QCOMPARE(BoldBoxes(), (QList<int>{4, 8}));
    QCOMPARE(Box(8), u"суруктар"_s);
    QCOMPARE(Box(7), u"сурук"_s);
  }

  // Real letters typed into the input become the notation, the caret staying
  // after what was typed; "Якутские буквы" shows the boxes with real letters
  // and back, in an open window too.
  void realLettersTypedAndShown() {
    Type(u"Оҕо"_s);
    QCOMPARE(w_->txtInput()->text(), u"О5о"_s);
    QCOMPARE(w_->txtInput()->cursorPosition(), 3);
    w_->txtInput()->setCursorPosition(1);
    QTest::sendKeyEvent(QTest::Click, w_->txtInput(), Qt::Key_unknown, u"ҥ"_s, {});
    QCOMPARE(w_->txtInput()->text(), u"Он'5о"_s);
    QCOMPARE(w_->txtInput()->cursorPosition(), 3);
    Type(u"оҕо"_s);
    QCOMPARE(Box(7), u"о5о"_s);
    Settings::Instance().SetSakhaLetters(true);
    QCOMPARE(Box(7), u"оҕо"_s);
    QCOMPARE(Box(100), u"оҕо"_s);
    QCOMPARE(w_->txtInput()->text(), u"о5о"_s);
    Settings::Instance().SetSakhaLetters(false);
    QCOMPARE(Box(7), u"о5о"_s);
  }

  void openWhileOpenDoesNothingAndReopenStartsOver() {
    Type(u"сурук"_s);
    Click(w_->optForm(8));
    const Snapshot before = Take();

    OpenWordForms(store_);
    QCOMPARE(frmWordForms::LoadedWindow(), w_);
    QCOMPARE(calls_.size(), size_t{1});
    QVERIFY(Take() == before);

    w_->close();  // the window's close button
    QVERIFY(frmWordForms::LoadedWindow() == nullptr);
    w_ = Open();
    QVERIFY(w_ != nullptr);
    // The notice interrupted the first opening only.
    QCOMPARE(calls_.size(), size_t{1});
    QCOMPARE(w_->txtInput()->text(), u"ат"_s);
    QCOMPARE(CheckedOptions(), QList<int>{7});
    QCOMPARE(Boxes(1, 16), kAtSingular);
  }
};

QTEST_MAIN(frmWordFormsTest)
#include "frmWordFormsTest.moc"
