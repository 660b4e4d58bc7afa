// The lookup window driven as a user would: language pairs and swaps, typing in
// the search box, the arrow keys, Enter and double-click, the focus rules and
// the menu commands with the real input box. Start-up, reload and the end of
// the program are in StartupTest.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QToolButton>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QTextCursor>
#include <QtTest>
#include <algorithm>
#include <memory>

#include "core/text/mdlSah.h"
#include "tests/ui/DictTestFiles.h"
#include "ui/common/HtmlView.h"
#include "ui/common/frmMsg.h"
#include "ui/article/frmWord.h"
#include "ui/common/Settings.h"
#include "ui/lookup/frmDict.h"
#include "ui/reader/ReaderLists.h"
#include "ui/wordforms/frmWordForms.h"

using namespace sahdict;
using namespace sahdict::ui;

namespace {

QString Q(const std::u16string& s) { return QString::fromStdU16String(s); }

QStringList Items(const QComboBox* combo) {
  QStringList items;
  for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
  return items;
}

// The article view shows each of `words`.
bool ShowsAll(const QString& shown, const QStringList& words) {
  return std::all_of(words.begin(), words.end(), [&](const QString& w) { return shown.contains(w); });
}

struct MsgCall {
  QString text, caption;
  int lines;
};

}  // namespace

class frmDictTest : public QObject {
  Q_OBJECT

  QTemporaryDir settings_;
  QTemporaryDir dir_;
  DictStore store_;
  std::unique_ptr<frmDict> window_;
  int splashes_ = 0;
  QList<MsgCall> messages_;

  QComboBox* cmbFrom() { return window_->findChild<QComboBox*>(QStringLiteral("cmbFrom")); }
  QComboBox* cmbTo() { return window_->findChild<QComboBox*>(QStringLiteral("cmbTo")); }
  QListView* lstWords() { return window_->findChild<QListView*>(QStringLiteral("lstWords")); }
  QLineEdit* txtWord() { return window_->findChild<QLineEdit*>(QStringLiteral("txtWord")); }
  QPushButton* cmdSwitch() { return window_->findChild<QPushButton*>(QStringLiteral("cmdSwitch")); }
  QLabel* lblSuggest() { return window_->findChild<QLabel*>(QStringLiteral("lblSuggest")); }
  QAction* Action(const char* name) { return window_->findChild<QAction*>(QString::fromLatin1(name)); }
  QString ArticleTitle() { return window_->ArticleWindow().windowTitle(); }
  QString ArticleText() { return window_->ArticleWindow().findChild<HtmlView*>(QStringLiteral("txt"))->toPlainText(); }

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
    QVERIFY(test::ReadDictText(store_, dir_.path(), dict));
    window_ = std::make_unique<frmDict>(
        store_, DictHooks{{}, [this] { ++splashes_; }, {}, (dir_.path() + QStringLiteral("/data")).toStdU16String()});
    window_->Form_Load();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
  }

 private slots:
  void initTestCase() {
    QVERIFY(dir_.isValid());
    // The settings go to a test folder, never the user's own.
    QStandardPaths::setTestModeEnabled(true);
    SetMsgHandler([this](const std::u16string& t, const std::u16string& c, int16_t l) {
      messages_ << MsgCall{Q(t), Q(c), l};
    });
  }
  void init() {
    test::FreshSettings(settings_.path());
    QDir(dir_.path() + QStringLiteral("/data")).removeRecursively();
    // The documented notation; "Якутские буквы" is on by default.
    Settings::Instance().SetSakhaLetters(false);
    messages_.clear();
    splashes_ = 0;
    Open(test::kSampleDict);
  }
  void cleanup() { window_.reset(); }

  void StartState() {
    QCOMPARE(window_->windowTitle(), QStringLiteral("Korvane - Sah Dictionary"));
    QCOMPARE(cmbFrom()->currentIndex(), 0);
    QCOMPARE(Items(cmbTo()), QStringList{"Якутский"});
    QCOMPARE(Q(window_->CurrentPair()), QStringLiteral("RUS-SAH"));
    QCOMPARE(lstWords()->model()->rowCount(), 9);
    QCOMPARE(Selected(), 0);
    QCOMPARE(SelectedText(), QStringLiteral("Москва"));
    QVERIFY(txtWord()->text().isEmpty());
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(txtWord()));
    // Right edge at nine tenths of the screen width, top at a tenth of its height.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QCOMPARE(window_->frameGeometry().right() + 1, static_cast<int>(screen.width() * 0.9));
    QCOMPARE(window_->y(), static_cast<int>(screen.height() * 0.1));
    // Resizable, never below the designed size.
    QVERIFY(window_->maximumSize().width() > window_->minimumSize().width());
    QCOMPARE(window_->centralWidget()->minimumSize(), QSize(266, 326));
  }

  // The reload item and the separator below it are hidden.
  void Menus() {
    QVERIFY(!Action("mnuFileReload")->isVisible());
    QVERIFY(!Action("mnuFileDiv00")->isVisible());
    QVERIFY(Action("mnuFileExit")->isVisible());
  }

  // Each step is one user action; each refills the list exactly once, leaves
  // the search box empty and nothing selected. From RSE-SAH a swap gives
  // SAH-RUS and the next one RUS-SAH: a swap is not always reversible.
  void Pairs() {
    const struct {
      QString step, pair;
      int rows;
    } steps[] = {{"swap", "SAH-RUS", 11},  {"swap", "RUS-SAH", 9},   {"from 1", "RSE-SAH", 10},
                 {"swap", "SAH-RUS", 11},  {"swap", "RUS-SAH", 9},   {"from 2", "SAH-RUS", 11},
                 {"from 0", "RUS-SAH", 9}, {"from 0", "RUS-SAH", 9}, {"to 0", "RUS-SAH", 9}};
    for (const auto& s : steps) {
      Type(QStringLiteral("до"));
      QSignalSpy refills(lstWords()->model(), &QAbstractItemModel::modelReset);
      const QStringList step = s.step.split(' ');
      if (step[0] == "from") Pick(cmbFrom(), step[1].toInt());
      if (step[0] == "to") Pick(cmbTo(), step[1].toInt());
      if (step[0] == "swap") QTest::mouseClick(cmdSwitch(), Qt::LeftButton);
      QCOMPARE(refills.count(), 1);
      QCOMPARE(Q(window_->CurrentPair()), s.pair);
      QCOMPARE(lstWords()->model()->rowCount(), s.rows);
      QCOMPARE(Selected(), -1);
      QVERIFY(txtWord()->text().isEmpty());
      // The lists show the pair.
      const QMap<QString, QString> names{{"RUS", "Русский"}, {"RSE", "Русский (расш.)"}, {"SAH", "Якутский"}};
      QCOMPARE(cmbFrom()->currentText(), names[s.pair.left(3)]);
      QCOMPARE(Items(cmbTo()), QStringList{names[s.pair.right(3)]});
      if (step[0] == "swap") QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(txtWord()));
    }
  }

  // The targets a source offers come in the order their pairs first occur in
  // sorted order; a code outside the language table offers nothing; a swap
  // wants the old source as target even when another target comes first. A
  // source with no entries offers no target: an empty list, a search and arrow
  // keys that find nothing, a swap that keeps it; the window stays usable.
  void OfferedTargetsAndSourceWithoutEntries() {
    Open(
        u"--dicttype Sorted\r\n--dicttype RAWformat\r\n"
        u"a\r\na\r\n\r\n\r\nRUS-XXX\r\nb\r\nb\r\n\r\n\r\nRUS-RSE\r\n"
        u"c\r\nc\r\n\r\n\r\nRUS-SAH\r\nd\r\nd\r\n\r\n\r\nRUS-RSE\r\n"
        u"e\r\ne\r\n\r\n\r\nRSE-RSE\r\nf\r\nf\r\n\r\n\r\nRSE-RUS\r\n");
    QCOMPARE(Items(cmbFrom()), (QStringList{"Русский", "Русский (расш.)", "Якутский"}));
    QCOMPARE(Items(cmbTo()), (QStringList{"Русский (расш.)", "Якутский"}));
    QCOMPARE(Q(window_->CurrentPair()), QStringLiteral("RUS-RSE"));
    QCOMPARE(lstWords()->model()->rowCount(), 2);
    QTest::mouseClick(cmdSwitch(), Qt::LeftButton);
    QCOMPARE(Items(cmbTo()), (QStringList{"Русский (расш.)", "Русский"}));
    QCOMPARE(Q(window_->CurrentPair()), QStringLiteral("RSE-RUS"));
    Pick(cmbFrom(), 2);
    QCOMPARE(cmbTo()->count(), 0);
    QCOMPARE(cmbTo()->currentIndex(), -1);
    QVERIFY(window_->CurrentPair().empty());
    QCOMPARE(lstWords()->model()->rowCount(), 0);
    Type(QStringLiteral("c"));
    QTest::keyClick(txtWord(), Qt::Key_Down);
    QTest::keyClick(txtWord(), Qt::Key_Up);
    QCOMPARE(Selected(), -1);
    QTest::mouseClick(cmdSwitch(), Qt::LeftButton);
    QCOMPARE(cmbFrom()->currentIndex(), 2);
    QVERIFY(window_->CurrentPair().empty());
    Pick(cmbFrom(), 0);
    Pick(cmbTo(), 1);
    QCOMPARE(Q(window_->CurrentPair()), QStringLiteral("RUS-SAH"));
    QCOMPARE(lstWords()->model()->rowCount(), 1);
  }

  // Rows: Москва, берёза, вода, день, дом, конь, огонь, сон, хлеб. Where no
  // word begins with the text, the row of the line's word ("дома": дом).
  void TypingRussian() {
    for (const auto& [typed, row] : {std::pair{"д", 3}, {"о", 4}, {"м", 4}, {"а", 4}, {"я", 5}}) {
      Type(QString::fromUtf8(typed));
      QCOMPARE(Selected(), row);
    }
    QCOMPARE(txtWord()->text(), QStringLiteral("домая"));
    ClearBox();
    QCOMPARE(Selected(), 0);
    // No word begins with "м": the line offers Москва, folded.
    Type(QStringLiteral("м"));
    QCOMPARE(SelectedText(), QStringLiteral("Москва"));
    ClearBox();
    Type(QStringLiteral("М"));
    QCOMPARE(SelectedText(), QStringLiteral("Москва"));
  }

  // A Sakha source: the notation is rewritten as it is typed, the caret kept
  // after what was typed (in the middle of the text too, as the search step's
  // test shows). Each rewrite runs the change handling once more, never in a loop.
  void TypingSakha() {
    Pick(cmbFrom(), 2);
    const struct {
      QString typed, text;
      int caret;
      QString row;
    } cases[] = {{"4", "н'", 2, "оскуба (Москва)"}, {"дь", "дь", 2, "дьиэ (дом)"}};
    for (const auto& c : cases) {
      ClearBox();
      QSignalSpy changes(txtWord(), &QLineEdit::textChanged);
      Type(c.typed);
      QCOMPARE(txtWord()->text(), c.text);
      QCOMPARE(txtWord()->cursorPosition(), c.caret);
      QVERIFY(!txtWord()->hasSelectedText());
      QCOMPARE(SelectedText(), c.row);
      QVERIFY(changes.count() <= 2 * c.typed.size());
    }
  }

  void ArrowKeys() {
    for (const auto& [key, row] : {std::pair{Qt::Key_Up, 8}, {Qt::Key_Down, 0}, {Qt::Key_Down, 1}, {Qt::Key_Up, 0},
                                   {Qt::Key_Up, 8}}) {
      QTest::keyClick(txtWord(), key);
      QCOMPARE(Selected(), row);
    }
    QTest::keyClick(txtWord(), Qt::Key_Down, Qt::ShiftModifier);
    QCOMPARE(Selected(), 0);
    // After a refill nothing is selected: either key selects the first row.
    for (const Qt::Key key : {Qt::Key_Up, Qt::Key_Down}) {
      Pick(cmbFrom(), 0);
      QTest::keyClick(txtWord(), key);
      QCOMPARE(Selected(), 0);
    }
  }

  void EnterOpensTheArticle() {
    Type(QStringLiteral("дом"));
    QTest::keyClick(txtWord(), Qt::Key_Return);
    QVERIFY(window_->ArticleWindow().isVisible());
    QCOMPARE(ArticleTitle(), QStringLiteral("дом | Korvane - Sah Dictionary"));
    QVERIFY2(ShowsAll(ArticleText(), {"дом", "сущ.", "дьиэ", "мой дом мин дьиэм"}), qPrintable(ArticleText()));
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(txtWord()));
    // The whole text is selected: the next word replaces it.
    Type(QStringLiteral("вода"));
    QCOMPARE(txtWord()->text(), QStringLiteral("вода"));

    // The keypad's Enter does the same; the window is reused.
    ClearBox();
    Type(QStringLiteral("х"));
    QTest::keyClick(txtWord(), Qt::Key_Enter);
    QCOMPARE(ArticleTitle(), QStringLiteral("хлеб | Korvane - Sah Dictionary"));
    QVERIFY2(ShowsAll(ArticleText(), {"хлеб", "килиэп"}), qPrintable(ArticleText()));

    // With no row selected (after a swap) nothing opens.
    QTest::mouseClick(cmdSwitch(), Qt::LeftButton);
    QCOMPARE(Selected(), -1);
    QTest::keyClick(txtWord(), Qt::Key_Return);
    QCOMPARE(ArticleTitle(), QStringLiteral("хлеб | Korvane - Sah Dictionary"));
    QVERIFY2(ShowsAll(ArticleText(), {"хлеб", "килиэп"}), qPrintable(ArticleText()));

    // Esc closes the article window.
    window_->ArticleWindow().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window_->ArticleWindow()));
    QTest::keyClick(&window_->ArticleWindow(), Qt::Key_Escape);
    QVERIFY(!window_->ArticleWindow().isVisible());
    // From the box as well, right after Enter.
    QTest::mouseClick(cmdSwitch(), Qt::LeftButton);
    Type(QStringLiteral("ат"));
    QTest::keyClick(txtWord(), Qt::Key_Return);
    QVERIFY(window_->ArticleWindow().isVisible());
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    QTest::keyClick(txtWord(), Qt::Key_W, Qt::ControlModifier);
    QVERIFY(!window_->ArticleWindow().isVisible());
  }

  // "Якутские буквы": the Sakha words of the list, the box, the article and
  // its title in real letters, remembered for the next start.
  void SakhaLetters() {
    Pick(cmbFrom(), 2);
    Type(QStringLiteral("хатын'"));
    QTest::keyClick(txtWord(), Qt::Key_Return);
    Action("mnuViewLetters")->trigger();
    QCOMPARE(SelectedText(), QStringLiteral("хатыҥ (берёза)"));
    QCOMPARE(txtWord()->text(), QStringLiteral("хатыҥ"));
    QCOMPARE(ArticleTitle(), QStringLiteral("хатыҥ (берёза) | Korvane - Sah Dictionary"));
    HtmlView* page = window_->ArticleWindow().findChild<HtmlView*>(QStringLiteral("txt"));
    page->selectAll();
    page->copy();
    QVERIFY2(QGuiApplication::clipboard()->text().contains(QStringLiteral("хатыҥ")), qPrintable(ArticleText()));

    Open(test::kSampleDict);
    QVERIFY(Action("mnuViewLetters")->isChecked());
    Pick(cmbFrom(), 2);
    // The store's order (кY before ки) with the letters off.
    Action("mnuViewLetters")->trigger();
    QCOMPARE(lstWords()->model()->index(3, 0).data().toString(), QStringLiteral("кYн (день)"));
    QVERIFY(!Settings::Instance().SakhaLetters());
  }

  // With the letters on (the default), real letters and the notation typed
  // into a Sakha source: the box shows letters, the list is in Sakha order,
  // the line quotes letters; capitals, spaces and a word of the other pair.
  void TypingWithLettersOn() {
    test::FreshSettings(settings_.path());
    Open(test::kSampleDict);
    QVERIFY(Action("mnuViewLetters")->isChecked());
    Pick(cmbFrom(), 2);
    QStringList rows;
    for (int r = 3; r < 6; ++r) rows << lstWords()->model()->index(r, 0).data().toString();
    QCOMPARE(rows, (QStringList{"килиэп (хлеб)", "күн (день)", "мин (дом)"}));
    const struct {
      QString typed, box, row, line;
    } cases[] = {
        {"кY", "кү", "күн (день)", ""},
        {"хатыҥ", "хатыҥ", "хатыҥ (берёза)", ""},
        {"ТҮҮЛ", "түүл", "түүл (сон)", ""},
        {"4", "ҥ", "", "В словаре нет слова «ҥ»"},
        {"Уот", "үот", "уот (огонь)",
         "Нет слова «үот». Может быть: <a href=\"0\">уот (огонь)</a> (без учёта регистра и ё)"},
        {" ат ", " ат ", "ат (конь)", ""},
    };
    for (const auto& c : cases) {
      ClearBox();
      Type(c.typed);
      QCOMPARE(txtWord()->text(), c.box);
      QCOMPARE(txtWord()->cursorPosition(), c.box.size());
      if (!c.row.isEmpty()) QCOMPARE(SelectedText(), c.row);
      QCOMPARE(lblSuggest()->text(), c.line);
    }
    ClearBox();
    Type(QStringLiteral("вода"));
    QVERIFY2(lblSuggest()->text().endsWith(QStringLiteral(">вода</a> (в паре Русский → Якутский)")),
             qPrintable(lblSuggest()->text()));
    QTest::keyClick(txtWord(), Qt::Key_Return);
    QCOMPARE(Q(window_->CurrentPair()), QStringLiteral("RUS-SAH"));
    QCOMPARE(ArticleTitle(), QStringLiteral("вода | Korvane - Sah Dictionary"));
    QCOMPARE(SelectedText(), QStringLiteral("вода"));
  }

  // Enter opens the word the line offers when no word begins with the text.
  void EnterOpensTheLinesWord() {
    Open(u"--languages RUS-SAH\r\n--encoding WIN\r\n\r\nабзац (сущ.) - .абзац\r\n\r\nкнига (сущ.) - .кинигэ\r\n");
    Type(QStringLiteral("Книга"));
    QTest::keyClick(txtWord(), Qt::Key_Return);
    QCOMPARE(ArticleTitle(), QStringLiteral("книга | Korvane - Sah Dictionary"));
  }

  // No word begins with the text: the line offers the best alternative (F3 or
  // its link opens it), or says that there is no such word and tints the box.
  void SuggestionLine() {
    Type(QStringLiteral("дом"));
    QVERIFY(lblSuggest()->text().isEmpty());
    ClearBox();
    Type(QStringLiteral("Берёза"));
    QCOMPARE(lblSuggest()->text(), QStringLiteral("Нет слова «Берёза». Может быть: <a href=\"0\">берёза</a> "
                                                  "(без учёта регистра и ё)"));
    QTest::keyClick(txtWord(), Qt::Key_F3);
    QCOMPARE(ArticleTitle(), QStringLiteral("берёза | Korvane - Sah Dictionary"));
    QCOMPARE(Selected(), 1);

    const QColor plain = txtWord()->palette().color(QPalette::Base);
    Type(QStringLiteral("щщщ"));
    QCOMPARE(lblSuggest()->text(), QStringLiteral("В словаре нет слова «щщщ»"));
    QVERIFY(txtWord()->palette().color(QPalette::Base) != plain);
    ClearBox();
    Type(QStringLiteral("вада"));
    QVERIFY(lblSuggest()->text().contains(QStringLiteral(">вода</a> (похожее слово)")));
    QCOMPARE(txtWord()->palette().color(QPalette::Base), plain);
    emit lblSuggest()->linkActivated(QStringLiteral("0"));
    QCOMPARE(ArticleTitle(), QStringLiteral("вода | Korvane - Sah Dictionary"));
    QCOMPARE(SelectedText(), QStringLiteral("вода"));
  }

  void DoubleClickOpensTheArticle() {
    Pick(cmbFrom(), 2);
    QListView* list = lstWords();
    const QModelIndex row = list->model()->index(6, 0);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(row).center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(row).center());
    QTRY_VERIFY(window_->ArticleWindow().isVisible());
    QCOMPARE(ArticleTitle(), QStringLiteral("оскуба (Москва) | Korvane - Sah Dictionary"));
    QVERIFY2(ShowsAll(ArticleText(), {"Москва", "геогр.", "Москуба"}), qPrintable(ArticleText()));
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
    Action("mnuInfo")->trigger();
    QCOMPARE(messages_.size(), 2);
    QCOMPARE(messages_[0].text, Q(NotationHelpText(false)));
    QVERIFY(messages_[1].text.contains(QStringLiteral("Русский (расш.) на Якутский язык - 10 штук")));
    for (const MsgCall& m : messages_) {
      QCOMPARE(m.caption, QString());
      QCOMPARE(m.lines, 0);
    }

    Action("mnuWordforms")->trigger();
    QVERIFY(frmWordForms::LoadedWindow() != nullptr);
    QTRY_VERIFY(frmWordForms::LoadedWindow()->isVisible());
    frmWordForms::LoadedWindow()->close();

    Action("mnuHelpSplash")->trigger();
    QCOMPARE(splashes_, 1);
  }

  // "Язык слова": the real input box, answered as a person would (a word typed,
  // then accepted or cancelled), then the answer in the message window.
  void CheckLanguageMenu_data() {
    QTest::addColumn<bool>("accept");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("lines");
    QTest::newRow("cancelled") << false << "вода" << 1;
    QTest::newRow("normal") << true << "вода" << 0;
  }
  void CheckLanguageMenu() {
    QFETCH(bool, accept);
    QFETCH(QString, typed);
    QTimer timer;
    connect(&timer, &QTimer::timeout, this, [&] {
      auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
      if (box == nullptr) return;
      timer.stop();
      box->setTextValue(typed);
      accept ? box->accept() : box->reject();
    });
    timer.start(10);
    Action("mnuChecklang")->trigger();
    QCOMPARE(messages_.size(), 1);
    QCOMPARE(messages_[0].caption, QStringLiteral("Проверка языка слова"));
    QTEST(messages_[0].lines, "lines");
    // A cancelled box answers "", which is too short to judge.
    QVERIFY2(messages_[0].text.contains(accept ? QStringLiteral("слово русское - 100.0%") : QStringLiteral("Слишком коротко")),
             qPrintable(messages_[0].text));
  }

  // The pair and the places of the last start come back. A place off every
  // screen or an unknown source give the usual start.
  void RememberedPairAndPlaces() {
    Pick(cmbFrom(), 2);
    window_->move(20, 30);
    Action("mnuWordforms")->trigger();
    QTRY_VERIFY(frmWordForms::LoadedWindow() != nullptr);
    frmWordForms::LoadedWindow()->move(50, 60);
    Action("mnuFileExit")->trigger();
    Open(test::kSampleDict);
    QCOMPARE(Q(window_->CurrentPair()), QStringLiteral("SAH-RUS"));
    QCOMPARE(window_->pos(), QPoint(20, 30));
    frmWordForms::LoadedWindow()->close();
    Action("mnuWordforms")->trigger();
    QTRY_COMPARE(frmWordForms::LoadedWindow()->pos(), QPoint(50, 60));
    frmWordForms::LoadedWindow()->close();

    Settings::Instance().SetLookup(QPoint(-5000, 30), 9, 0);
    Open(test::kSampleDict);
    QCOMPARE(Q(window_->CurrentPair()), QStringLiteral("RUS-SAH"));
    QVERIFY(QGuiApplication::primaryScreen()->geometry().contains(window_->frameGeometry()));

    // Filling the languages again lists each language once.
    window_->SetDefaultLang();
    QCOMPARE(Items(cmbFrom()), (QStringList{"Русский", "Русский (расш.)", "Якутский"}));
  }

  // A word of the article opens its own article in place; back and forward
  // (keys and mouse buttons) go through the pages, the title following.
  void LinksBackAndForward() {
    Type(QStringLiteral("дом"));
    QTest::keyClick(txtWord(), Qt::Key_Return);
    frmWord& article = window_->ArticleWindow();
    HtmlView* view = article.findChild<HtmlView*>(QStringLiteral("txt"));
    const auto click = [&](const QString& word) {
      const QTextCursor found = view->document()->find(word);
      QVERIFY(!found.isNull());
      QTextCursor inside(view->document());
      inside.setPosition(found.selectionStart() + 1);
      QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->cursorRect(inside).center());
    };
    const QString program = QStringLiteral(" | Korvane - Sah Dictionary");
    click(QStringLiteral("дьиэ"));
    QCOMPARE(ArticleTitle(), "дьиэ (дом)" + program);
    click(QStringLiteral("мой"));
    QCOMPARE(ArticleTitle(), "мой (дом)" + program);
    article.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&article));
    QTest::keyClick(&article, Qt::Key_Left, Qt::AltModifier);
    QCOMPARE(ArticleTitle(), "дьиэ (дом)" + program);
    QTest::mouseClick(view->viewport(), Qt::BackButton);
    QCOMPARE(ArticleTitle(), "дом" + program);
    QVERIFY(!article.GoBack());
    QTest::keyClick(&article, Qt::Key_Right, Qt::AltModifier);
    QTest::mouseClick(view->viewport(), Qt::ForwardButton);
    QCOMPARE(ArticleTitle(), "мой (дом)" + program);
    QVERIFY(!article.GoForward());
  }

  // Every article opened is in the history, newest first, kept across starts;
  // a row opens its article. Ctrl+D marks the word, the favourites list
  // removes it; "Очистить историю" empties the history.
  void HistoryAndFavourites() {
    for (const char* word : {"дом", "вода", "дом"}) {
      ClearBox();
      Type(QString::fromUtf8(word));
      QTest::keyClick(txtWord(), Qt::Key_Return);
    }
    Open(test::kSampleDict);
    QListWidget* rows = window_->ListWindow(false).findChild<QListWidget*>(QStringLiteral("lstRows"));
    QCOMPARE(rows->count(), 2);
    QVERIFY(rows->item(0)->text().startsWith(QStringLiteral("дом — Русский → Якутский — ×2, ")));
    QVERIFY(rows->item(1)->text().startsWith(QStringLiteral("вода — ")));
    emit rows->itemActivated(rows->item(1));
    QCOMPARE(ArticleTitle(), QStringLiteral("вода | Korvane - Sah Dictionary"));
    QCOMPARE(rows->item(0)->text().left(4), QStringLiteral("вода"));

    frmWord& article = window_->ArticleWindow();
    article.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&article));
    QTest::keyClick(&article, Qt::Key_D, Qt::ControlModifier);
    QVERIFY(article.findChild<QToolButton*>(QStringLiteral("cmdStar"))->isChecked());
    Open(test::kSampleDict);
    frmReaderList& favourites = window_->ListWindow(true);
    QListWidget* marked = favourites.findChild<QListWidget*>(QStringLiteral("lstRows"));
    QCOMPARE(marked->count(), 1);
    QTest::mouseClick(favourites.findChild<QPushButton*>(QStringLiteral("cmdRemove")), Qt::LeftButton);
    QCOMPARE(marked->count(), 0);
    Action("mnuClearHistory")->trigger();
    QCOMPARE(window_->ListWindow(false).findChild<QListWidget*>(QStringLiteral("lstRows"))->count(), 0);
    QVERIFY(messages_.isEmpty());
  }

  // The program called with a word: the pair comes from the word, the
  // article opens, a form or a misspelling opens what the line offers.
  void LookUpWordFromOutside() {
    for (const auto& [word, pair, title] :
         {std::tuple{u"уот", u"SAH-RUS", "уот (огонь)"}, {u"вода", u"RUS-SAH", "вода"}, {u"Ҥ", u"SAH-RUS", ""},
          {u"дьиэлэр", u"SAH-RUS", "дьиэ (дом)"}, {u"вада", u"", "вода"}}) {
      window_->ArticleWindow().close();
      window_->LookUpWord(word, *pair ? u"" : u"RUS-SAH");
      if (*pair) QCOMPARE(Q(window_->CurrentPair()), QString::fromStdU16String(pair));
      QCOMPARE(window_->ArticleWindow().isVisible(), *title != 0);
      if (*title) QCOMPARE(ArticleTitle(), QString::fromUtf8(title) + QStringLiteral(" | Korvane - Sah Dictionary"));
    }
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
    QTest::keyClick(txtWord(), Qt::Key_Down);
    QCOMPARE(Selected(), 0);
    Type(QStringLiteral("w3"));
    QCOMPARE(Selected(), 29999);
    // A row out of sight comes to the top of the list.
    QCOMPARE(lstWords()->visualRect(lstWords()->model()->index(29999, 0)).top(), 0);
    Type(QStringLiteral("9999"));
    QCOMPARE(Selected(), 39998);
    QTest::keyClick(txtWord(), Qt::Key_Return);
    QCOMPARE(ArticleTitle(), QStringLiteral("w39999 | Korvane - Sah Dictionary"));
    QVERIFY(ArticleText().contains(QStringLiteral("xw39999")));
  }
};

QTEST_MAIN(frmDictTest)
#include "frmDictTest.moc"
