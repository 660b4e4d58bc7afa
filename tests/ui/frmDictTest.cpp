// The lookup window driven as a user would: language pairs and swaps, typing in
// the search box, the arrow keys, Enter and double-click, the focus rules, the
// menu commands and a reload.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QtTest>
#include <memory>

#include "core/dict/LangTable.h"
#include "core/render/ArticleRenderer.h"
#include "core/text/mdlSah.h"
#include "tests/ui/DictTestFiles.h"
#include "ui/article/HtmlView.h"
#include "ui/article/PageForView.h"
#include "ui/article/frmMsg.h"
#include "ui/article/frmWord.h"
#include "ui/lookup/frmDict.h"
#include "ui/wordforms/InputBox.h"

using namespace sahdict;
using namespace sahdict::ui;

namespace {

QString Q(const std::u16string& s) { return QString::fromStdU16String(s); }

QStringList Items(const QComboBox* combo) {
  QStringList items;
  for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
  return items;
}

// The plain text an article page shows in the view.
QString ShownText(const std::u16string& headWord, const std::u16string& note, const std::u16string& translation) {
  QTextDocument doc;
  doc.setHtml(Q(PageForView(RenderArticle(headWord, note, translation))));
  return doc.toPlainText();
}

struct MsgCall {
  QString text, caption;
  int lines;
};

}  // namespace

class frmDictTest : public QObject {
  Q_OBJECT

  QTemporaryDir dir_;
  DictStore store_;
  std::unique_ptr<frmDict> window_;
  int reloads_ = 0, splashes_ = 0, ends_ = 0;
  QList<MsgCall> messages_;

  QComboBox* cmbFrom() { return window_->findChild<QComboBox*>(QStringLiteral("cmbFrom")); }
  QComboBox* cmbTo() { return window_->findChild<QComboBox*>(QStringLiteral("cmbTo")); }
  QListView* lstWords() { return window_->findChild<QListView*>(QStringLiteral("lstWords")); }
  QLineEdit* txtWord() { return window_->findChild<QLineEdit*>(QStringLiteral("txtWord")); }
  QPushButton* cmdSwitch() { return window_->findChild<QPushButton*>(QStringLiteral("cmdSwitch")); }
  QAction* Action(const char* name) { return window_->findChild<QAction*>(QString::fromLatin1(name)); }

  int Selected() {
    const QModelIndexList rows = lstWords()->selectionModel()->selectedIndexes();
    return rows.isEmpty() ? -1 : rows.front().row();
  }
  QString SelectedText() {
    const int row = Selected();
    return row < 0 ? QString() : lstWords()->model()->index(row, 0).data().toString();
  }
  // What the drop-down does when the user picks a row.
  void Pick(QComboBox* combo, int row) {
    combo->setCurrentIndex(row);
    emit combo->activated(row);
  }
  // Key presses with their text (QTest::keyClicks takes ASCII only).
  void Type(const QString& text) {
    for (const QChar c : text)
      QTest::sendKeyEvent(QTest::Click, txtWord(), static_cast<Qt::Key>(c.toUpper().unicode()), QString(c),
                          Qt::NoModifier);
  }
  void ClearBox() {
    txtWord()->selectAll();
    QTest::keyClick(txtWord(), Qt::Key_Backspace);
  }
  void Open(const std::u16string& dict) {
    window_.reset();
    test::ReadDictText(store_, dir_.path(), dict);
    window_ = std::make_unique<frmDict>(
        store_, DictHooks{[this] { ++reloads_; }, [this] { ++splashes_; }, [this] { ++ends_; }});
    window_->Form_Load();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
  }

 private slots:
  void initTestCase() {
    QVERIFY(dir_.isValid());
    SetMsgHandler([this](const std::u16string& t, const std::u16string& c, int16_t l) {
      messages_ << MsgCall{Q(t), Q(c), l};
    });
  }
  void init() {
    messages_.clear();
    reloads_ = splashes_ = ends_ = 0;
    Open(test::kSampleDict);
  }
  void cleanup() { window_.reset(); }

  void StartState() {
    QCOMPARE(window_->windowTitle(), QStringLiteral("Korvane - Sah Dictionary"));
    QCOMPARE(Items(cmbFrom()), (QStringList{"Русский", "Русский (расш.)", "Якутский"}));
    QCOMPARE(cmbFrom()->currentIndex(), 0);
    QCOMPARE(Items(cmbTo()), QStringList{"Якутский"});
    QCOMPARE(Q(window_->CurrentPair()), QStringLiteral("RUS-SAH"));
    QCOMPARE(lstWords()->model()->rowCount(), 9);
    QCOMPARE(Selected(), 0);
    QCOMPARE(SelectedText(), QStringLiteral("Москва"));
    QVERIFY(txtWord()->text().isEmpty());
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(txtWord()));
    QVERIFY(!Action("mnuFileReload")->isVisible());
    QVERIFY(!Action("mnuFileDiv00")->isVisible());
    QVERIFY(Action("mnuFileDiv00")->isSeparator());
    QVERIFY(Action("mnuHelpDiv00")->isSeparator());
    // Right edge at nine tenths of the screen width, top at a tenth of its height.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QCOMPARE(window_->frameGeometry().right() + 1, static_cast<int>(screen.width() * 0.9));
    QCOMPARE(window_->y(), static_cast<int>(screen.height() * 0.1));
    QCOMPARE(window_->findChild<HtmlView*>(QStringLiteral("DHTML"))->x(), -667);
    QCOMPARE(window_->findChild<HtmlView*>(QStringLiteral("DHTML"))->toPlainText(), QStringLiteral("invisible text"));
    QCOMPARE(window_->centralWidget()->size(), QSize(266, 294));
    QCOMPARE(window_->minimumSize(), window_->maximumSize());
  }

  void Controls_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("cmbFrom") << "cmbFrom" << QRect(0, 16, 113, 22);
    QTest::newRow("frm") << "frm" << QRect(0, 0, 265, 9);
    QTest::newRow("cmbTo") << "cmbTo" << QRect(152, 16, 113, 22);
    QTest::newRow("lstWords") << "lstWords" << QRect(0, 40, 265, 228);
    QTest::newRow("txtWord") << "txtWord" << QRect(0, 272, 265, 19);
    QTest::newRow("cmdSwitch") << "cmdSwitch" << QRect(115, 16, 33, 21);
  }
  void Controls() {
    QFETCH(QString, name);
    QWidget* control = window_->findChild<QWidget*>(name);
    QVERIFY(control != nullptr);
    QTEST(control->geometry(), "geometry");
    if (name != QStringLiteral("frm")) QCOMPARE(control->font().family(), QStringLiteral("Verdana"));
  }

  void Menu_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::newRow("mnuFileReload") << "mnuFileReload" << "Перезагрузить словарь";
    QTest::newRow("mnuFileExit") << "mnuFileExit" << "Выход";
    QTest::newRow("mnuWordforms") << "mnuWordforms" << "Словоформы";
    QTest::newRow("mnuInfo") << "mnuInfo" << "Инфо о словаре";
    QTest::newRow("mnuChecklang") << "mnuChecklang" << "Язык слова";
    QTest::newRow("mnuHelpSplash") << "mnuHelpSplash" << "Заставка";
    QTest::newRow("mnuHelpShortcuts") << "mnuHelpShortcuts" << "О сокращениях";
  }
  void Menu() {
    QFETCH(QString, name);
    QAction* action = window_->findChild<QAction*>(name);
    QVERIFY(action != nullptr);
    QTEST(action->text(), "caption");
    QVERIFY(action->shortcut().isEmpty());
  }

  void MenuBarOrder() {
    QStringList menus;
    for (QAction* a : window_->menuBar()->actions()) menus << a->menu()->objectName() + "=" + a->text();
    QCOMPARE(menus, (QStringList{"mnuFile=Файл", "mnuPlugins=Plugins", "mnuHelp=Помощь"}));
  }

  // Each step is one user action; each refills the list exactly once and
  // leaves the search box empty.
  void Pairs_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("pairs");
    QTest::addColumn<QList<int>>("rows");
    QTest::newRow("extended source") << QStringList{"from 1"} << QStringList{"RSE-SAH"} << QList<int>{10};
    QTest::newRow("sakha source") << QStringList{"from 2"} << QStringList{"SAH-RUS"} << QList<int>{11};
    QTest::newRow("back to russian") << QStringList{"from 2", "from 0"} << QStringList{"SAH-RUS", "RUS-SAH"}
                                     << QList<int>{11, 9};
    QTest::newRow("swap twice") << QStringList{"swap", "swap"} << QStringList{"SAH-RUS", "RUS-SAH"}
                                << QList<int>{11, 9};
    QTest::newRow("swap is not reversible") << QStringList{"from 1", "swap", "swap"}
                                            << QStringList{"RSE-SAH", "SAH-RUS", "RUS-SAH"}
                                            << QList<int>{10, 11, 9};
    QTest::newRow("same row again") << QStringList{"from 0", "to 0"} << QStringList{"RUS-SAH", "RUS-SAH"}
                                    << QList<int>{9, 9};
  }
  void Pairs() {
    QFETCH(QStringList, steps);
    QFETCH(QStringList, pairs);
    QFETCH(QList<int>, rows);
    for (int i = 0; i < steps.size(); ++i) {
      Type(QStringLiteral("до"));
      QSignalSpy refills(lstWords()->model(), &QAbstractItemModel::modelReset);
      const QStringList step = steps[i].split(' ');
      if (step[0] == "from") Pick(cmbFrom(), step[1].toInt());
      if (step[0] == "to") Pick(cmbTo(), step[1].toInt());
      if (step[0] == "swap") QTest::mouseClick(cmdSwitch(), Qt::LeftButton);
      QCOMPARE(refills.count(), 1);
      QCOMPARE(Q(window_->CurrentPair()), pairs[i]);
      QCOMPARE(lstWords()->model()->rowCount(), rows[i]);
      QCOMPARE(Selected(), -1);
      QVERIFY(txtWord()->text().isEmpty());
      // The lists show the pair.
      const QString pair = pairs[i];
      QCOMPARE(cmbFrom()->currentText(), Q(LangName(LangNumber(pair.left(3).toStdU16String()))));
      QCOMPARE(Items(cmbTo()), QStringList{Q(LangName(LangNumber(pair.right(3).toStdU16String())))});
      if (step[0] == "swap") QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(txtWord()));
    }
  }

  // A source the dictionary has no entries for: no target, an empty list, a
  // search that finds nothing; the window stays usable.
  void SourceWithoutEntries() {
    Open(u"--languages RUS-SAH\r\n\r\nдом (сущ.) - .дьиэ\r\n\r\nвода (сущ.) - .уу\r\n");
    QCOMPARE(Items(cmbFrom()), (QStringList{"Русский", "Русский (расш.)", "Якутский"}));
    Pick(cmbFrom(), 1);
    QCOMPARE(cmbTo()->count(), 0);
    QCOMPARE(cmbTo()->currentIndex(), -1);
    QVERIFY(window_->CurrentPair().empty());
    QCOMPARE(lstWords()->model()->rowCount(), 0);
    Type(QStringLiteral("д"));
    QTest::keyClick(txtWord(), Qt::Key_Down);
    QTest::keyClick(txtWord(), Qt::Key_Up);
    QCOMPARE(Selected(), -1);
    QTest::mouseClick(cmdSwitch(), Qt::LeftButton);
    QCOMPARE(cmbFrom()->currentIndex(), 1);
    QVERIFY(window_->CurrentPair().empty());
    Pick(cmbFrom(), 0);
    QCOMPARE(Q(window_->CurrentPair()), QStringLiteral("RUS-SAH"));
    QCOMPARE(lstWords()->model()->rowCount(), 2);
  }

  // Rows: Москва, берёза, вода, день, дом, конь, огонь, сон, хлеб.
  void TypingRussian() {
    const struct {
      QString typed;
      int row;
    } steps[] = {{"д", 3}, {"о", 4}, {"м", 4}, {"а", 5}, {"я", 5}};
    for (const auto& step : steps) {
      Type(step.typed);
      QCOMPARE(Selected(), step.row);
    }
    QCOMPARE(txtWord()->text(), QStringLiteral("домая"));
    ClearBox();
    QCOMPARE(Selected(), 0);
    Type(QStringLiteral("м"));
    QCOMPARE(SelectedText(), QStringLiteral("огонь"));
    ClearBox();
    Type(QStringLiteral("М"));
    QCOMPARE(SelectedText(), QStringLiteral("Москва"));
    ClearBox();
    Type(QStringLiteral("4"));
    QCOMPARE(txtWord()->text(), QStringLiteral("4"));
    QCOMPARE(Selected(), 0);
  }

  void TypingSakha_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("row");
    QTest::newRow("4") << "4" << "н'" << 2 << "оскуба (Москва)";
    QTest::newRow("77") << "77" << "ннь" << 3 << "оскуба (Москва)";
    QTest::newRow("дь") << "дь" << "дь" << 2 << "дьиэ (дом)";
    QTest::newRow("3") << "3" << "дь" << 2 << "дьиэ (дом)";
    QTest::newRow("уу") << "уу" << "уу" << 2 << "уу (вода)";
  }
  void TypingSakha() {
    QFETCH(QString, typed);
    Pick(cmbFrom(), 2);
    QSignalSpy changes(txtWord(), &QLineEdit::textChanged);
    Type(typed);
    QTEST(txtWord()->text(), "text");
    QTEST(txtWord()->cursorPosition(), "caret");
    QVERIFY(!txtWord()->hasSelectedText());
    QTEST(SelectedText(), "row");
    // One change per keystroke, plus one per rewrite; never a loop.
    QVERIFY(changes.count() <= 2 * typed.size());
  }

  // The caret stays where it was typed, also in the middle of the text.
  void SakhaCaretInTheMiddle() {
    Pick(cmbFrom(), 2);
    Type(QStringLiteral("аб"));
    QTest::keyClick(txtWord(), Qt::Key_Home);
    QTest::keyClick(txtWord(), Qt::Key_Right);
    Type(QStringLiteral("4"));
    QCOMPARE(txtWord()->text(), QStringLiteral("ан'б"));
    QCOMPARE(txtWord()->cursorPosition(), 3);
    Type(QStringLiteral("ь"));
    QCOMPARE(txtWord()->text(), QStringLiteral("ан'hб"));
    QCOMPARE(txtWord()->cursorPosition(), 4);
  }

  void ArrowKeys() {
    const struct {
      Qt::Key key;
      int row;
    } steps[] = {{Qt::Key_Up, 8}, {Qt::Key_Down, 0}, {Qt::Key_Down, 1}, {Qt::Key_Up, 0}, {Qt::Key_Up, 8}};
    for (const auto& step : steps) {
      QTest::keyClick(txtWord(), step.key);
      QCOMPARE(Selected(), step.row);
    }
    QTest::keyClick(txtWord(), Qt::Key_Down, Qt::ShiftModifier);
    QCOMPARE(Selected(), 0);
    // After a refill nothing is selected: either key selects the first row.
    Pick(cmbFrom(), 0);
    QTest::keyClick(txtWord(), Qt::Key_Up);
    QCOMPARE(Selected(), 0);
    Pick(cmbFrom(), 0);
    QTest::keyClick(txtWord(), Qt::Key_Down);
    QCOMPARE(Selected(), 0);
    QVERIFY(txtWord()->text().isEmpty());
  }

  void EnterOpensTheArticle() {
    Type(QStringLiteral("дом"));
    QTest::keyClick(txtWord(), Qt::Key_Return);
    frmWord& article = window_->ArticleWindow();
    QVERIFY(article.isVisible());
    QCOMPARE(article.windowTitle(), QStringLiteral("дом | Korvane - Sah Dictionary"));
    const auto* txt = article.findChild<HtmlView*>(QStringLiteral("txt"));
    QCOMPARE(txt->toPlainText(), ShownText(u"дом", u"сущ.", u".дьиэ (мой дом .мин .дьиэм)"));
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(txtWord()));

    // The keypad's Enter does the same; the window is reused.
    ClearBox();
    Type(QStringLiteral("х"));
    QTest::keyClick(txtWord(), Qt::Key_Enter);
    QCOMPARE(article.windowTitle(), QStringLiteral("хлеб | Korvane - Sah Dictionary"));
    QCOMPARE(txt->toPlainText(), ShownText(u"хлеб", u"сущ.", u".килиэп"));
  }

  void DoubleClickOpensTheArticle() {
    Pick(cmbFrom(), 2);
    QListView* list = lstWords();
    const QModelIndex row = list->model()->index(6, 0);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(row).center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(row).center());
    frmWord& article = window_->ArticleWindow();
    QTRY_VERIFY(article.isVisible());
    QCOMPARE(article.windowTitle(), QStringLiteral("оскуба (Москва) | Korvane - Sah Dictionary"));
    QCOMPARE(article.findChild<HtmlView*>(QStringLiteral("txt"))->toPlainText(),
             ShownText(u"Москва", u"геогр.", u".Москуба"));
  }

  // With no row selected the page is that of the empty record.
  void EnterWithoutSelection() {
    QTest::mouseClick(cmdSwitch(), Qt::LeftButton);
    QCOMPARE(Selected(), -1);
    QTest::keyClick(txtWord(), Qt::Key_Return);
    frmWord& article = window_->ArticleWindow();
    QCOMPARE(article.windowTitle(), QStringLiteral(" | Korvane - Sah Dictionary"));
    QCOMPARE(article.findChild<HtmlView*>(QStringLiteral("txt"))->toPlainText(), ShownText(u"", u"", u""));
  }

  // A click on a row selects it; the focus goes back to the search box with
  // its whole text selected.
  void ClickKeepsFocusInTheBox() {
    Type(QStringLiteral("до"));
    QListView* list = lstWords();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(7, 0)).center());
    QCOMPARE(Selected(), 7);
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(txtWord()));
    QCOMPARE(txtWord()->selectedText(), QStringLiteral("до"));
    list->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(txtWord()));
    cmbFrom()->setFocus();
    window_->activateWindow();
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(cmbFrom()));
  }

  void MenuCommands() {
    Action("mnuHelpShortcuts")->trigger();
    QCOMPARE(messages_.size(), 1);
    QCOMPARE(messages_[0].text, Q(NotationHelpText()));
    QCOMPARE(messages_[0].caption, QString());
    QCOMPARE(messages_[0].lines, 0);

    Action("mnuInfo")->trigger();
    QCOMPARE(messages_.size(), 2);
    QCOMPARE(messages_[1].text, Q(DictionaryStats(store_)));

    const InputBoxHandler before = SetInputBoxHandler([](auto&&...) { return std::u16string(u"дом"); });
    Action("mnuChecklang")->trigger();
    SetInputBoxHandler(before);
    QCOMPARE(messages_.size(), 3);
    QCOMPARE(messages_[2].caption, QStringLiteral("Проверка языка слова"));

    Action("mnuWordforms")->trigger();
    QWidget* forms = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->objectName() == QStringLiteral("frmWordForms")) forms = w;
    QVERIFY(forms != nullptr);
    QTRY_VERIFY(forms->isVisible());
    forms->close();

    Action("mnuHelpSplash")->trigger();
    QCOMPARE(splashes_, 1);
    Action("mnuFileExit")->trigger();
    QCOMPARE(ends_, 1);
  }

  void ClosingEndsTheProgram() {
    window_->close();
    QCOMPARE(ends_, 1);
  }

  // The reload hides the window, keeps the pair and refills the list.
  void Reload() {
    Pick(cmbFrom(), 2);
    Type(QStringLiteral("ат"));
    const QPoint place = window_->pos();
    bool hiddenDuringReload = false;
    window_.reset();
    window_ = std::make_unique<frmDict>(store_, DictHooks{[&] {
                                                            hiddenDuringReload = !window_->isVisible();
                                                            test::ReadDictText(
                                                                store_, dir_.path(),
                                                                u"--languages RUS-SAH\r\n--dicttype NeedSahExtract\r\n"
                                                                u"\r\nлес (сущ.) - .тыа\r\n");
                                                          },
                                                          {}, {}});
    window_->Form_Load();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    Pick(cmbFrom(), 2);
    Type(QStringLiteral("ат"));
    window_->DictReload(1);
    QVERIFY(hiddenDuringReload);
    QVERIFY(window_->isVisible());
    QCOMPARE(window_->pos(), place);
    QCOMPARE(Q(window_->CurrentPair()), QStringLiteral("SAH-RUS"));
    QCOMPARE(cmbFrom()->currentIndex(), 2);
    QVERIFY(txtWord()->text().isEmpty());
    QCOMPARE(lstWords()->model()->rowCount(), 1);
    QCOMPARE(lstWords()->model()->index(0, 0).data().toString(), QStringLiteral("тыа (лес)"));
  }

  // Pairs beyond 32767 entries: every row can be reached and opened.
  void LargePair() {
    std::u16string raw = u"--dicttype Sorted\r\n--dicttype RAWformat\r\n";
    for (int i = 1; i <= 40000; ++i) {
      const std::u16string word = u"w" + QString::number(i).rightJustified(5, '0').toStdU16String();
      raw += word + u"\r\n" + word + u"\r\n\r\n.x" + word + u"\r\nRUS-SAH\r\n";
    }
    Open(raw);
    QCOMPARE(lstWords()->model()->rowCount(), 40000);
    QTest::keyClick(txtWord(), Qt::Key_Up);
    QCOMPARE(Selected(), 39999);
    Type(QStringLiteral("w3"));
    QCOMPARE(Selected(), 29999);
    Type(QStringLiteral("9999"));
    QCOMPARE(Selected(), 39998);
    QTest::keyClick(txtWord(), Qt::Key_Return);
    QCOMPARE(window_->ArticleWindow().windowTitle(), QStringLiteral("w39999 | Korvane - Sah Dictionary"));
    QVERIFY(window_->ArticleWindow().findChild<HtmlView*>(QStringLiteral("txt"))->toPlainText().contains(
        QStringLiteral("xw39999")));
  }
};

QTEST_MAIN(frmDictTest)
#include "frmDictTest.moc"
