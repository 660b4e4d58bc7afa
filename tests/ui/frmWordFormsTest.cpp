// The word-forms window driven as a user would: options, form boxes, typing, menus.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QtTest>
#include <array>
#include <vector>

#include "core/text/mdlSah.h"
#include "ui/article/frmMsg.h"
#include "ui/wordforms/PluginCommands.h"
#include "ui/wordforms/WordFormsView.h"
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
  QStringList Forms;    // txtForm 1..16, then 100, then txtInput
  QList<bool> Bold;     // txtForm 1..8
  QList<bool> Checked;  // optForm 1..8
  bool operator==(const Snapshot&) const = default;
};

// Expected boxes 1..16 for ат with singular selected.
const QStringList kAtSingular = {u"мин атым"_s,    u"эн атын'"_s,       u"кини ата"_s, u"биhиги аппыт"_s,
                                 u"эhиги аккыт"_s, u"кинилэр аттара"_s, u"ат"_s,       u"аттар"_s,
                                 u"ат"_s,          u"атта"_s,           u"акка"_s,     u"аты"_s,
                                 u"аттан"_s,       u"атынан"_s,         u"аттыын"_s,   u"аттаа5ар"_s};

const QStringList kAtPluralPersons = {u"мин аттарым"_s,     u"эн аттарын'"_s,    u"кини аттара"_s,
                                      u"биhиги аттарбыт"_s, u"эhиги аттаргыт"_s, u"кинилэр аттардара"_s};

}  // namespace

class frmWordFormsTest : public QObject {
  Q_OBJECT

 private:
  std::vector<MsgCall> calls_;
  MsgHandler previous_;

  frmWordForms* Open() {
    OpenWordForms();
    frmWordForms* w = frmWordForms::LoadedWindow();
    if (w != nullptr && !QTest::qWaitForWindowExposed(w)) return nullptr;
    return w;
  }

  static void CloseWindow() {
    if (frmWordForms* w = frmWordForms::LoadedWindow()) w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  static QString Box(frmWordForms* w, int index) { return w->txtForm(index)->text(); }

  static QStringList Boxes(frmWordForms* w, int from, int to) {
    QStringList out;
    for (int i = from; i <= to; ++i) out << Box(w, i);
    return out;
  }

  static QList<int> BoldBoxes(frmWordForms* w) {
    QList<int> out;
    for (int i = 1; i <= 8; ++i)
      if (w->txtForm(i)->font().bold()) out << i;
    return out;
  }

  static QList<int> CheckedOptions(frmWordForms* w) {
    QList<int> out;
    for (int i = 1; i <= 8; ++i)
      if (w->optForm(i)->isChecked()) out << i;
    return out;
  }

  static Snapshot Take(frmWordForms* w) {
    Snapshot s;
    s.Forms = Boxes(w, 1, 16);
    s.Forms << Box(w, 100) << w->txtInput()->text();
    for (int i = 1; i <= 8; ++i) {
      s.Bold << w->txtForm(i)->font().bold();
      s.Checked << w->optForm(i)->isChecked();
    }
    return s;
  }

  // Types `text` into the emptied input key by key (keyClicks takes Latin-1 only).
  static void Type(frmWordForms* w, const QString& text) {
    w->txtInput()->clear();
    for (QChar ch : text) {
      QTest::sendKeyEvent(QTest::Press, w->txtInput(), Qt::Key_unknown, QString(ch), Qt::NoModifier);
      QTest::sendKeyEvent(QTest::Release, w->txtInput(), Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
  }

 private slots:
  void init() {
    calls_.clear();
    previous_ = SetMsgHandler([this](const std::u16string& text, const std::u16string& caption, int16_t lines) {
      frmWordForms* w = frmWordForms::LoadedWindow();
      calls_.push_back({QString::fromStdU16String(text), QString::fromStdU16String(caption), lines,
                        w != nullptr && w->isVisible(), w != nullptr ? w->txtInput()->text() : QString()});
    });
  }

  void cleanup() {
    CloseWindow();
    SetMsgHandler(previous_);
  }

  void computeWordFormsWithoutWidgets_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("number");
    QTest::addColumn<QStringList>("forms");  // boxes 1..16
    QTest::addColumn<QList<int>>("bold");
    QStringList pluralFirst = kAtPluralPersons;
    pluralFirst << u"ат"_s << u"аттар"_s << u"аттарым"_s << QString() << u"аттарбар"_s << u"аттарбын"_s
                << u"аттарбыттан"_s << u"аттарбынан"_s << u"аттарбыныын"_s << u"аттарбынаа5ар"_s;
    QTest::newRow("singular") << u"ат"_s << 7 << 1 << kAtSingular << QList<int>{7};
    QTest::newRow("plural, first person") << u"ат"_s << 1 << 2 << pluralFirst << QList<int>{1, 8};
    QTest::newRow("index outside 1..8") << u"ат"_s << 9 << 1 << QStringList(16, QString()) << QList<int>{};
  }

  void computeWordFormsWithoutWidgets() {
    QFETCH(QString, input);
    QFETCH(int, index);
    QFETCH(int, number);
    QFETCH(QStringList, forms);
    QFETCH(QList<int>, bold);
    const WordFormsView view = ComputeWordForms(input.toStdU16String(), static_cast<int16_t>(index), number);
    QStringList got;
    for (int i = 1; i <= 16; ++i) got << QString::fromStdU16String(view.Form[static_cast<size_t>(i)]);
    QCOMPARE(got, forms);
    QList<int> gotBold;
    for (int i = 1; i <= 8; ++i)
      if (view.Bold[static_cast<size_t>(i)]) gotBold << i;
    QCOMPARE(gotBold, bold);
  }

  void opensWithNoticeFirstThenAt() {
    frmWordForms* w = Open();
    QVERIFY(w != nullptr);
    QCOMPARE(w->windowTitle(), u"Korvane - Sah WordForms Generator"_s);
    QCOMPARE(calls_.size(), size_t{1});
    QCOMPARE(calls_[0].Text, QString::fromStdU16String(WordFormsWarningText()));
    QVERIFY(calls_[0].Text.startsWith(u"Внимание!\r\nЭто только пробный вариант"_s));
    QVERIFY(calls_[0].Text.endsWith(u"генерации.\r\n\r\nЗаранее спасибо."_s));
    QCOMPARE(calls_[0].Caption, QString());
    QCOMPARE(calls_[0].Lines, 0);
    QVERIFY2(!calls_[0].WindowVisible, "the notice comes before the window appears");
    QCOMPARE(calls_[0].Input, QString());

    QVERIFY(w->isVisible());
    QCOMPARE(w->txtInput()->text(), u"ат"_s);
    QCOMPARE(Box(w, 100), u"ат"_s);
    QCOMPARE(Boxes(w, 1, 16), kAtSingular);
    QCOMPARE(BoldBoxes(w), QList<int>{7});
    QCOMPARE(CheckedOptions(w), QList<int>{7});
    QCOMPARE(w->CurrentIndex, int16_t{7});
    QCOMPARE(w->CurrentNumber, 1);
  }

  void pluralThenFirstPerson() {
    frmWordForms* w = Open();
    QVERIFY(w != nullptr);
    QTest::mouseClick(w->optForm(8), Qt::LeftButton);
    QCOMPARE(CheckedOptions(w), QList<int>{8});
    QCOMPARE(BoldBoxes(w), QList<int>{8});
    QCOMPARE(Boxes(w, 1, 6), kAtPluralPersons);
    QCOMPARE(Boxes(w, 7, 8), (QStringList{u"ат"_s, u"аттар"_s}));
    QCOMPARE(Boxes(w, 9, 16), (QStringList{u"аттар"_s, u"аттарда"_s, u"аттарга"_s, u"аттары"_s, u"аттардан"_s,
                                           u"аттарынан"_s, u"аттардыын"_s, u"аттардаа5ар"_s}));

    QTest::mouseClick(w->optForm(1), Qt::LeftButton);
    QCOMPARE(CheckedOptions(w), (QList<int>{1, 8}));
    QCOMPARE(BoldBoxes(w), (QList<int>{1, 8}));
    QCOMPARE(Boxes(w, 1, 6), kAtPluralPersons);
    QCOMPARE(Boxes(w, 9, 16), (QStringList{u"аттарым"_s, QString(), u"аттарбар"_s, u"аттарбын"_s, u"аттарбыттан"_s,
                                           u"аттарбынан"_s, u"аттарбыныын"_s, u"аттарбынаа5ар"_s}));

    // Back to singular: the possessor is removed again.
    QTest::mouseClick(w->optForm(7), Qt::LeftButton);
    QCOMPARE(CheckedOptions(w), QList<int>{7});
    QCOMPARE(BoldBoxes(w), QList<int>{7});
    QCOMPARE(Boxes(w, 1, 16), kAtSingular);
  }

  void formBoxClickActsLikeItsOption_data() {
    QTest::addColumn<int>("index");
    for (int i = 1; i <= 8; ++i) QTest::addRow("txtForm %d", i) << i;
  }

  void formBoxClickActsLikeItsOption() {
    QFETCH(int, index);
    // Start from plural so that every index changes something.
    frmWordForms* w = Open();
    QVERIFY(w != nullptr);
    QTest::mouseClick(w->optForm(8), Qt::LeftButton);
    QTest::mouseClick(w->optForm(index), Qt::LeftButton);
    const Snapshot byOption = Take(w);
    CloseWindow();

    w = Open();
    QVERIFY(w != nullptr);
    QTest::mouseClick(w->optForm(8), Qt::LeftButton);
    QTest::mouseClick(w->txtForm(index), Qt::LeftButton);
    QVERIFY(Take(w) == byOption);
    QVERIFY(w->optForm(index)->isChecked());
    QVERIFY(w->txtForm(index)->font().bold());
  }

  void caseAndProcessedBoxClicksChangeNothing() {
    frmWordForms* w = Open();
    QVERIFY(w != nullptr);
    QTest::mouseClick(w->txtForm(3), Qt::LeftButton);
    QCOMPARE(CheckedOptions(w), (QList<int>{3, 7}));
    QCOMPARE(BoldBoxes(w), (QList<int>{3, 7}));
    QCOMPARE(Boxes(w, 9, 11), (QStringList{u"ата"_s, QString(), u"атыгар"_s}));
    const Snapshot before = Take(w);
    for (int index : {9, 12, 16, 100}) {
      QTest::mouseClick(w->txtForm(index), Qt::LeftButton);
      QVERIFY2(Take(w) == before, qPrintable(u"txtForm %1"_s.arg(index)));
    }
    QCOMPARE(w->CurrentIndex, int16_t{3});
  }

  void typedInput_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("processed");
    QTest::addColumn<QStringList>("forms");  // boxes 1..16
    QTest::newRow("two words inflect the first") << u"ат кус"_s << u"ат кус"_s << kAtSingular;
    QTest::newRow("empty") << QString() << QString() << QStringList(16, QString());
    QTest::newRow("leading space") << u" ат"_s << u" ат"_s << QStringList(16, QString());
  }

  void typedInput() {
    QFETCH(QString, input);
    QFETCH(QString, processed);
    QFETCH(QStringList, forms);
    frmWordForms* w = Open();
    QVERIFY(w != nullptr);
    Type(w, input);
    QCOMPARE(w->txtInput()->text(), input);
    QCOMPARE(Box(w, 100), processed);
    QCOMPARE(Boxes(w, 1, 16), forms);
    QCOMPARE(BoldBoxes(w), QList<int>{7});
    QCOMPARE(CheckedOptions(w), QList<int>{7});
  }

  void typedNotationIsHarmonisedOnlyInTheProcessedBox() {
    frmWordForms* w = Open();
    QVERIFY(w != nullptr);
    Type(w, u"8ат"_s);
    QCOMPARE(Box(w, 7), u"8ат"_s);
    QCOMPARE(Box(w, 9), u"8ат"_s);
    QCOMPARE(Box(w, 100), u"OOт"_s);
  }

  void typingKeepsTheSelectedOption() {
    frmWordForms* w = Open();
    QVERIFY(w != nullptr);
    QTest::mouseClick(w->optForm(8), Qt::LeftButton);
    QTest::mouseClick(w->optForm(4), Qt::LeftButton);
    Type(w, u"сурук"_s);
    QCOMPARE(CheckedOptions(w), (QList<int>{4, 8}));
    QCOMPARE(BoldBoxes(w), (QList<int>{4, 8}));
    QCOMPARE(Box(w, 8), u"суруктар"_s);
    QCOMPARE(Box(w, 7), u"сурук"_s);
  }

  void menus() {
    frmWordForms* w = Open();
    QVERIFY(w != nullptr);
    calls_.clear();
    w->findChild<QAction*>(u"mnuHelpAbout"_s)->trigger();
    w->findChild<QAction*>(u"mnuHelpShortcuts"_s)->trigger();
    QCOMPARE(calls_.size(), size_t{2});
    QCOMPARE(calls_[0].Text,
             u"Программа \"Korvane - Sah WordForms Generator\"\r\n"
             u"Создает все словоформы заранее заданного слова\r\n"
             u"sahdict@example.org\r\n"
             u"http://www.example.org/sahdict/"_s);
    QCOMPARE(calls_[0].Caption, u"О проргамме"_s);
    QCOMPARE(calls_[0].Lines, 0);
    QCOMPARE(calls_[1].Text, QString::fromStdU16String(NotationHelpText()));
    QCOMPARE(calls_[1].Caption, QString());
    QCOMPARE(calls_[1].Lines, 0);

    QCOMPARE(w->findChild<QMenu*>(u"mnuFile"_s)->title(), u"Файл"_s);
    QCOMPARE(w->findChild<QMenu*>(u"mnuHelp"_s)->title(), u"Помощь"_s);
    w->findChild<QAction*>(u"mnuFileExit"_s)->trigger();
    QVERIFY(frmWordForms::LoadedWindow() == nullptr);
  }

  void openWhileOpenDoesNothingAndReopenStartsOver() {
    frmWordForms* w = Open();
    QVERIFY(w != nullptr);
    Type(w, u"сурук"_s);
    QTest::mouseClick(w->optForm(8), Qt::LeftButton);
    const Snapshot before = Take(w);

    OpenWordForms();
    QCOMPARE(frmWordForms::LoadedWindow(), w);
    QCOMPARE(calls_.size(), size_t{1});
    QVERIFY(Take(w) == before);

    w->close();  // the window's close button
    QVERIFY(frmWordForms::LoadedWindow() == nullptr);
    w = Open();
    QVERIFY(w != nullptr);
    QCOMPARE(calls_.size(), size_t{2});
    QCOMPARE(w->txtInput()->text(), u"ат"_s);
    QCOMPARE(CheckedOptions(w), QList<int>{7});
    QCOMPARE(Boxes(w, 1, 16), kAtSingular);
  }

  void controlsSitAtTheirPlaces_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect");    // pixels, relative to the parent
    QTest::addColumn<QString>("text");  // labels only
    QTest::addColumn<int>("align");     // horizontal alignment of labels
    const int right = Qt::AlignRight, centre = Qt::AlignHCenter;
    QTest::newRow("lbl0") << u"lbl0"_s << QRect(-8, 24, 97, 17) << u"Исходная"_s << right;
    QTest::newRow("txtInput") << u"txtInput"_s << QRect(96, 24, 285, 21) << QString() << 0;
    QTest::newRow("lbl1") << u"lbl1"_s << QRect(-8, 48, 97, 17) << u"Обработанная"_s << right;
    QTest::newRow("txtForm100") << u"txtForm100"_s << QRect(96, 48, 285, 21) << QString() << 0;
    QTest::newRow("frmNum") << u"frmNum"_s << QRect(72, 80, 313, 49) << QString() << 0;
    QTest::newRow("lbl17") << u"lbl17"_s << QRect(24, 8, 137, 17) << u"Единственное число"_s << centre;
    QTest::newRow("lbl16") << u"lbl16"_s << QRect(176, 8, 137, 17) << u"Множественное число"_s << centre;
    QTest::newRow("optForm8") << u"optForm8"_s << QRect(160, 24, 17, 17) << QString() << 0;
    QTest::newRow("txtForm8") << u"txtForm8"_s << QRect(176, 24, 133, 21) << QString() << 0;
    QTest::newRow("lbl4") << u"lbl4"_s << QRect(-24, 184, 97, 17) << u"3е лицо"_s << right;
    QTest::newRow("optForm5") << u"optForm5"_s << QRect(232, 160, 17, 17) << QString() << 0;
    QTest::newRow("txtForm6") << u"txtForm6"_s << QRect(248, 184, 133, 21) << QString() << 0;
    QTest::newRow("frame") << u"frame"_s << QRect(392, 8, 7, 209) << QString() << 0;
    QTest::newRow("lbl7") << u"lbl7"_s << QRect(536, 8, 137, 17) << u"Склонение"_s << centre;
    QTest::newRow("lbl9") << u"lbl9"_s << QRect(400, 56, 133, 17) << u"кимнэ? туохта?"_s << right;
    QTest::newRow("lbl15") << u"lbl15"_s << QRect(400, 200, 133, 17) << u"кимнээ5ер? туохтаа5ар?"_s << right;
    QTest::newRow("txtForm16") << u"txtForm16"_s << QRect(536, 200, 133, 21) << QString() << 0;
  }

  void controlsSitAtTheirPlaces() {
    QFETCH(QString, name);
    QFETCH(QRect, rect);
    QFETCH(QString, text);
    QFETCH(int, align);
    frmWordForms* w = Open();
    QVERIFY(w != nullptr);
    QCOMPARE(w->centralWidget()->size(), QSize(677, 230));
    auto* control = w->findChild<QWidget*>(name);
    QVERIFY(control != nullptr);
    QCOMPARE(control->geometry(), rect);
    if (auto* label = qobject_cast<QLabel*>(control)) {
      QCOMPARE(label->text(), text);
      QCOMPARE(int(label->alignment() & Qt::AlignHorizontal_Mask), align);
    }
  }
};

QTEST_MAIN(frmWordFormsTest)
#include "frmWordFormsTest.moc"
