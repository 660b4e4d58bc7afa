#include "ui/lookup/frmDict.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGuiApplication>
#include <QLayout>
#include <QListView>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStandardPaths>
#include <QSignalBlocker>
#include <algorithm>
#include <utility>

#include "core/dict/DictEntry.h"
#include "core/dict/LangTable.h"
#include "core/search/SearchSession.h"
#include "core/search/Links.h"
#include "core/search/SearchText.h"
#include "generated/ProgramIdentity.h"
#include "core/text/mdlSah.h"
#include "ui/common/HtmlView.h"
#include "ui/common/frmMsg.h"
#include "ui/article/frmWord.h"
#include "ui/common/Fonts.h"
#include "ui/common/Menus.h"
#include "ui/common/PageForView.h"
#include "ui/common/ScreenPlace.h"
#include "ui/common/Settings.h"
#include "ui/common/TextConversion.h"
#include "ui/common/Twips.h"
#include "core/dict/LangPairs.h"
#include "core/export/Cards.h"
#include "core/langcheck/PairGuess.h"
#include "ui/lookup/PluginMenu.h"
#include "ui/lookup/SearchBox.h"
#include "ui/lookup/ArrowKeys.h"
#include "ui/lookup/SuggestLine.h"
#include "ui/lookup/WordListModel.h"
#include "ui/reader/ReaderLists.h"
#include "ui/reader/frmReadText.h"
#include "ui/reader/frmSearch.h"
#include "ui/wordforms/frmVerbForms.h"
#include "ui/wordforms/frmWordForms.h"

namespace sahdict::ui {
namespace {

// The designed client area, grown below the search box by the suggestion line.
constexpr int kSuggestHeight = 480;
constexpr int kClientWidth = 3990, kClientHeight = 4410 + kSuggestHeight;

constexpr TwipsRect kCmbFrom{0, 240, 1695, 330};
constexpr TwipsRect kFrm{0, 0, 3975, 135};
constexpr TwipsRect kCmbTo{2280, 240, 1695, 330};
constexpr TwipsRect kLstWords{0, 600, 3975, 3420};
constexpr TwipsRect kTxtWord{0, 4080, 3975, 285};
constexpr TwipsRect kCmdSwitch{1730, 240, 495, 315};
constexpr TwipsRect kDHTML{360, 1200, 735, 735};
// The search box's light background while the pair has no word like its text.
const QColor kNoWordTint(0xFF, 0xEE, 0xEE), kNoWordTintDark(0x5C, 0x2B, 0x2B);

// The word list's font sizes that Ctrl+plus and Ctrl+minus reach, in points.
constexpr int kMinListPoints = 6, kMaxListPoints = 36;

// The hidden HTML view is moved this far to the left, out of sight.
constexpr int kOutOfSight = -10000;

int32_t ItemValue(const QComboBox* combo) {
  return combo->currentIndex() >= 0 ? combo->currentData().toInt() : 0;
}

}  // namespace

frmDict::frmDict(DictStore& store, DictHooks hooks)
    : QMainWindow(nullptr, Qt::Window),
      store_(store),
      hooks_(std::move(hooks)) {
  setObjectName(QStringLiteral("frmDict"));
  setWindowTitle(ToQString(kProgramTitle));
  const std::filesystem::path data =
      !hooks_.dataFolder.empty() ? hooks_.dataFolder
                                 : std::filesystem::path(
                                       QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdU16String());
  lists_ = std::make_unique<ReaderLists>(data);
  BuildControls();
  BuildMenu();
  mnuViewLetters_->setChecked(Settings::Instance().SakhaLetters());
  connect(&Settings::Instance(), &Settings::SakhaLettersChanged, this, &frmDict::SakhaLettersChanged);
}

frmDict::~frmDict() = default;

void frmDict::BuildControls() {
  auto* client = new QWidget(this);
  // The designed client area is the smallest; the list and the line take what the window grows by.
  client->setMinimumSize(Twips(kClientWidth), Twips(kClientHeight));
  setCentralWidget(client);

  cmbFrom_ = new QComboBox(client);
  cmbFrom_->setObjectName(QStringLiteral("cmbFrom"));

  frm_ = new QFrame(client);
  frm_->setObjectName(QStringLiteral("frm"));
  frm_->setFrameStyle(QFrame::Box | QFrame::Sunken);
  frm_->setFixedHeight(Twips(kFrm.height));

  cmbTo_ = new QComboBox(client);
  cmbTo_->setObjectName(QStringLiteral("cmbTo"));

  words_ = new WordListModel(store_, this);
  lstWords_ = new QListView(client);
  lstWords_->setObjectName(QStringLiteral("lstWords"));
  lstWords_->setModel(words_);
  lstWords_->setSelectionMode(QAbstractItemView::SingleSelection);
  lstWords_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  lstWords_->setUniformItemSizes(true);

  txtWord_ = new SearchBox(client);
  txtWord_->setObjectName(QStringLiteral("txtWord"));

  cmdSwitch_ = new QPushButton(QStringLiteral("<>"), client);
  cmdSwitch_->setObjectName(QStringLiteral("cmdSwitch"));
  cmdSwitch_->setAutoDefault(false);

  DHTML_ = new HtmlView(client);
  DHTML_->setObjectName(QStringLiteral("DHTML"));
  // It takes no part in lookup; out of sight it must not take the focus either.
  DHTML_->setFocusPolicy(Qt::NoFocus);
  Place(DHTML_, kDHTML);

  suggestLine_ = new SuggestLine(client);
  suggestLine_->setMinimumHeight(Twips(kSuggestHeight));

  // The designed rows: the bar, the languages with the swap between them, the
  // list, the box and the line.
  auto* rows = new QVBoxLayout(client);
  rows->setContentsMargins(0, 0, 0, 0);
  rows->setSpacing(Twips(kLstWords.top - kCmbFrom.top - kCmbFrom.height));
  auto* languages = new QHBoxLayout;
  languages->setSpacing(Twips(kCmdSwitch.left - kCmbFrom.width));
  languages->addWidget(cmbFrom_, 1);
  languages->addWidget(cmdSwitch_);
  languages->addWidget(cmbTo_, 1);
  cmdSwitch_->setFixedSize(Twips(kCmdSwitch.width), Twips(kCmdSwitch.height));
  cmbFrom_->setMinimumHeight(Twips(kCmbFrom.height));
  cmbTo_->setMinimumHeight(Twips(kCmbTo.height));
  txtWord_->setMinimumHeight(Twips(kTxtWord.height));
  rows->addWidget(frm_);
  rows->addLayout(languages);
  rows->addWidget(lstWords_, 4);
  rows->addWidget(txtWord_);
  rows->addWidget(suggestLine_, 1);

  for (QWidget* w : {static_cast<QWidget*>(cmbFrom_), static_cast<QWidget*>(cmbTo_),
                     static_cast<QWidget*>(lstWords_), static_cast<QWidget*>(txtWord_),
                     static_cast<QWidget*>(cmdSwitch_)})
    w->setFont(LookupFont());
  SetListFontSize(Settings::Instance().ListFontSize());
  QWidget::setTabOrder(cmbFrom_, cmbTo_);
  QWidget::setTabOrder(cmbTo_, lstWords_);
  QWidget::setTabOrder(lstWords_, txtWord_);
  QWidget::setTabOrder(txtWord_, cmdSwitch_);

  lstWords_->installEventFilter(this);

  connect(cmbFrom_, &QComboBox::activated, this, &frmDict::cmbFrom_Click);
  connect(cmbTo_, &QComboBox::activated, this, &frmDict::cmbTo_Click);
  connect(cmdSwitch_, &QPushButton::clicked, this, &frmDict::cmdSwitch_Click);
  connect(lstWords_, &QListView::doubleClicked, this, &frmDict::lstWords_DblClick);
  connect(txtWord_, &QLineEdit::textChanged, this, &frmDict::txtWord_Change);
  connect(txtWord_, &SearchBox::KeyDown, this, &frmDict::txtWord_KeyDown);
  connect(suggestLine_, &SuggestLine::AlternativeChosen, this,
          [this](int32_t position, const QString& pair) { OpenAlternative(position, ToU16String(pair)); });
  connect(new QShortcut(QKeySequence(Qt::Key_F3), this), &QShortcut::activated, this, &frmDict::OpenBestAlternative);
}

void frmDict::BuildMenu() {
  QMenu* file = AddMenu(menuBar(), "mnuFile", QStringLiteral("&Файл"));
  // The reload is reached from code only; its item and separator stay hidden.
  QAction* reload =
      AddItem(file, "mnuFileReload", QStringLiteral("Перезагрузить словарь"), this, [this] { DictReload(1); });
  reload->setVisible(false);
  AddSeparator(file, "mnuFileDiv00")->setVisible(false);
  QAction* exit = AddItem(file, "mnuFileExit", QStringLiteral("&Выход"), this, [this] {
    SaveSettings();
    if (hooks_.endProgram) hooks_.endProgram();
  });
  exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

  QMenu* view = AddMenu(menuBar(), "mnuView", QStringLiteral("&Вид"));
  mnuViewLetters_ = AddItem(view, "mnuViewLetters", QStringLiteral("&Якутские буквы"));
  mnuViewLetters_->setCheckable(true);
  mnuViewLetters_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
  connect(mnuViewLetters_, &QAction::triggered, this, &frmDict::SetSakhaLetters);
  AddItem(view, "mnuViewBigger", QStringLiteral("&Крупнее список"), this, [this] { StepListFont(1); })
      ->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
  AddItem(view, "mnuViewSmaller", QStringLiteral("&Мельче список"), this, [this] { StepListFont(-1); })
      ->setShortcut(QKeySequence::ZoomOut);
  AddSeparator(view, "mnuViewDiv00");
  AddItem(view, "mnuHistory", QStringLiteral("История"), this, [this] { ListWindow(false).show(); })
      ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
  AddItem(view, "mnuFavourites", QStringLiteral("Избранное"), this, [this] { ListWindow(true).show(); })
      ->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D));
  AddItem(view, "mnuSearchArticles", QStringLiteral("Поиск по статьям"), this, [this] {
    SearchWindow().show();
    SearchWindow().activateWindow();
  })->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F));
  AddItem(view, "mnuClearHistory", QStringLiteral("Очистить историю"), this, [this] {
    lists_->History().Clear();
    if (history_) history_->Refill();
  });

  QMenu* plugins = AddMenu(menuBar(), "mnuPlugins", QStringLiteral("&Plugins"));
  AddItem(plugins, "mnuWordforms", QStringLiteral("&Словоформы"), this, [this] { OpenWordForms(store_); });
  AddItem(plugins, "mnuVerbforms", QStringLiteral("&Формы глагола"), this, [this] { OpenVerbForms(store_); });
  AddItem(plugins, "mnuInfo", QStringLiteral("&Инфо о словаре"), this, [this] { ShowDictionaryInfo(store_); });
  AddItem(plugins, "mnuChecklang", QStringLiteral("&Язык слова"), this, [this] { CheckLanguage(store_); });
  AddItem(plugins, "mnuReadText", QStringLiteral("&Чтение текста"), this, [this] {
    auto open = [this](const std::u16string& word, const std::u16string& pair, int32_t k) {
      ArticleWindow().ShowPage({word, pair, store_.GetEntry(k, pair)});
    };
    frmReadText::Open(store_, open, this);
  });

  QMenu* help = AddMenu(menuBar(), "mnuHelp", QStringLiteral("&Помощь"));
  AddItem(help, "mnuHelpSplash", QStringLiteral("&Заставка"), this, [this] {
    if (hooks_.showSplash) hooks_.showSplash();
  });
  AddSeparator(help, "mnuHelpDiv00");
  AddItem(help, "mnuHelpShortcuts", QStringLiteral("&О сокращениях"), this, &frmDict::mnuHelpShortcuts_Click);

  // Esc and Ctrl+W close the article window from here too (the box keeps the focus after Enter).
  for (const QKeySequence& keys : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
    connect(new QShortcut(keys, this), &QShortcut::activated, this, [this] {
      if (article_ && article_->isVisible()) article_->close();
    });
  }
}

void frmDict::SetListFontSize(int points) {
  QFont font = LookupFont();
  if (points > 0) font.setPointSize(points);
  lstWords_->setFont(font);
}

void frmDict::StepListFont(int step) {
  const int points = std::clamp(lstWords_->font().pointSize() + step, kMinListPoints, kMaxListPoints);
  SetListFontSize(points);
  Settings::Instance().SetListFontSize(points);
}

void frmDict::Form_Load() {
  adjustSize();
  if (const QSize size = Settings::Instance().LookupSize(); size.isValid()) resize(size.expandedTo(minimumSizeHint()));
  PlaceOnScreen();
  SetDefaultLang();
  LoadFromDictionaryToList();
  DHTML_->setHtml(QStringLiteral("invisible text"));
  DHTML_->move(Twips(kOutOfSight), DHTML_->y());
  if (words_->rowCount() > 0) SelectRow(0);
  show();
  // The frame is known once the window is shown: place the outer edge again.
  PlaceOnScreen();
  KeepOnScreen(this);
  activateWindow();
  txtWord_->setFocus();
}

void frmDict::PlaceOnScreen() {
  if (const std::optional<QPoint> place = Settings::Instance().LookupPosition(frameGeometry().size())) {
    move(*place);
    return;
  }
  // The outer right edge at nine tenths of the screen's width, the top at a
  // tenth of its height.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->geometry();
    move(static_cast<int>(area.width() * 0.9) - frameGeometry().width(), static_cast<int>(area.height() * 0.1));
  }
}

void frmDict::SetDefaultLang() {
  cmbFrom_->clear();
  for (int32_t i = 1; i <= LangCount; ++i) cmbFrom_->addItem(ToQString(LangName(i)), i);
  const int32_t source = Settings::Instance().LookupSource();
  SetFromLang(source >= 1 && source <= LangCount ? source : 1, Settings::Instance().LookupTarget());
}

void frmDict::SaveSettings() {
  Settings::Instance().SetLookup(pos(), ItemValue(cmbFrom_), ItemValue(cmbTo_));
  Settings::Instance().SetLookupSize(size());
  if (article_ && article_->IsLoaded()) article_->SaveSettings();
  if (frmWordForms* forms = frmWordForms::LoadedWindow()) forms->SaveSettings();
  if (frmVerbForms* verbs = frmVerbForms::LoadedWindow()) verbs->SaveSettings();
  lists_->Compact();
}

frmReaderList& frmDict::ListWindow(bool favourites) {
  std::unique_ptr<frmReaderList>& window = favourites ? favourites_ : history_;
  if (!window) {
    frmReaderList::Hooks hooks{[this](const ListEntry& e) { OpenListed(e.word, e.pair); },
                               [this] { return FavouritesTsv(); }};
    window = std::make_unique<frmReaderList>(
        favourites ? frmReaderList::Kind::Favourites : frmReaderList::Kind::History, *lists_, std::move(hooks), this);
  }
  window->Refill();
  return *window;
}

frmSearch& frmDict::SearchWindow() {
  if (!searchArticles_) {
    searchArticles_ = std::make_unique<frmSearch>(store_, [this](const std::u16string& pair, int32_t k) {
      DictEntry entry = store_.GetEntry(k, pair);
      if (!entry.Word.empty()) ArticleWindow().ShowPage({entry.Word, pair, std::move(entry)});
    }, this);
  }
  return *searchArticles_;
}

std::string frmDict::FavouritesTsv() const {
  std::vector<exporting::CardWord> cards;
  for (const ListEntry& e : lists_->Marked().Entries()) {
    const int32_t k = store_.FindFirstEntry(e.word, e.pair);
    if (k == 0) continue;
    DictEntry entry = store_.GetEntry(k, e.pair);
    if (entry.Word == e.word) cards.push_back({e.word, e.pair, std::move(entry)});
  }
  return exporting::CardsTsv(cards);
}

void frmDict::OpenListed(const std::u16string& word, const std::u16string& pair) {
  const int32_t k = store_.FindFirstEntry(word, pair);
  if (k == 0) return;
  DictEntry entry = store_.GetEntry(k, pair);
  if (entry.Word != word) return;
  ArticleWindow().ShowPage({word, pair, std::move(entry)});
}

void frmDict::SetFromLang(int32_t FromLangNum, int32_t ToLangNum) {
  InSetFromLang = true;
  int32_t wanted = ToLangNum;
  if (wanted == 0) wanted = ItemValue(cmbTo_);
  cmbTo_->clear();
  if (cmbFrom_->currentIndex() != FromLangNum - 1) cmbFrom_->setCurrentIndex(FromLangNum - 1);
  const LangPairChoice choice = ChooseLangPair(store_, FromLangNum, wanted);
  for (const int32_t target : choice.targets) cmbTo_->addItem(ToQString(LangName(target)), target);
  cmbTo_->setCurrentIndex(cmbTo_->findData(choice.target));
  currentPair_ = choice.pair;
  InSetFromLang = false;
}

void frmDict::LoadFromDictionaryToList() {
  // Emptying the box runs the search once more against the list as it stands.
  txtWord_->setText(QString());
  words_->Fill(currentPair_, ListOrder());
  PrepareSuggestions();
}

void frmDict::PrepareSuggestions() {
  // The tables are built now, not on the first keystroke that needs them.
  if (!currentPair_.empty()) search_.Prepare(store_, currentPair_);
}

void frmDict::DictReload(int32_t NeedHide) {
  if (NeedHide == 1) hide();
  // The list reads the store on demand; it shows nothing while the store changes.
  words_->Clear();
  delete findChild<frmReadText*>();  // its glosses point into the old store
  if (hooks_.reload) hooks_.reload();
  if (NeedHide == 1) {
    LoadFromDictionaryToList();
    show();
  } else {
    words_->Fill(currentPair_, ListOrder());
    PrepareSuggestions();
    // The same text against the rebuilt store: its line may change.
    SearchResult step = SearchBoxText({ToU16String(txtWord_->text()), txtWord_->cursorPosition(), 0});
    ShowSuggestion(step.text, std::move(step.alternatives));
  }
}

frmWord& frmDict::ArticleWindow() {
  if (!article_) {
    article_ = std::make_unique<frmWord>();
    article_->SetHooks({
        [this](const std::u16string& word, bool sakha) -> std::optional<ArticlePage> {
          const std::optional<LinkTarget> target = FollowLink(search_, store_, word, sakha);
          if (!target) return std::nullopt;
          DictEntry entry = store_.GetEntry(target->position, target->pair);
          return ArticlePage{entry.Word, target->pair, std::move(entry)};
        },
        [](const ArticlePage& page) {
          return ShownWord(page.word, Settings::Instance().SakhaLetters() && IsSakhaSource(page.pair)) + u" | " +
                 kProgramTitle;
        },
        [this](const ArticlePage& page) {
          lists_->Record(page.word, page.pair);
          if (history_) history_->Refill();
        },
        [this](const ArticlePage& page) { return lists_->Marked().Contains(page.word, page.pair); },
        [this](const ArticlePage& page) {
          lists_->ToggleFavourite(page.word, page.pair);
          if (favourites_) favourites_->Refill();
        },
    });
  }
  return *article_;
}

void frmDict::lstWords_DblClick() {
  const int32_t row = SelectedRow();
  if (row < 0 || currentPair_.empty()) return;
  ArticleWindow().ShowPage({words_->RowText(row), currentPair_, store_.GetEntry(words_->PositionOfRow(row), currentPair_)});
  // The lookup window takes the focus back so that typing goes on in the box,
  // replacing its text; without a window manager no focus event would select it.
  activateWindow();
  txtWord_->setFocus();
  txtWord_->selectAll();
}

void frmDict::LookUpWord(const std::u16string& word, const std::u16string& pair) {
  if (!word.empty()) {
    const std::u16string chosen = pair.empty() ? GuessLookupPair(store_, word) : pair;
    const int32_t from = LangNumber(PairFrom(chosen)), to = LangNumber(PairTo(chosen));
    if (from != 0 && chosen != currentPair_) {
      SetFromLang(from, to);
      LoadFromDictionaryToList();
    }
    txtWord_->setText(ToQString(word));
    // A word that begins with the text is selected; otherwise the line's best
    // alternative opens, and with none the line says there is no such word.
    if (suggestLine_->Best() != nullptr) {
      OpenBestAlternative();
    } else if (!suggestLine_->ShowsNoWord()) {
      lstWords_DblClick();
    }
  }
  if (isMinimized()) showNormal();
  show();
  raise();
  activateWindow();
  txtWord_->setFocus();
}

void frmDict::SetSakhaLetters(bool on) { Settings::Instance().SetSakhaLetters(on); }

void frmDict::SakhaLettersChanged(bool on) {
  mnuViewLetters_->setChecked(on);
  if (IsSakhaSource(currentPair_)) {
    // The list changes its order; the selected entry stays selected.
    const int32_t position = words_->PositionOfRow(SelectedRow());
    words_->Fill(currentPair_, ListOrder());
    if (position > 0) SelectRow(words_->RowOfPosition(position));
    // The box shows the same canonical text in the other spelling.
    if (!txtWord_->text().isEmpty()) txtWord_Change();
  }
}

void frmDict::OpenBestAlternative() {
  // A copy: opening it changes the line.
  if (const Alternative* best = suggestLine_->Best()) OpenAlternative(best->Position, std::u16string(best->Pair));
}

void frmDict::OpenAlternative(int32_t position, const std::u16string& pair) {
  if (!pair.empty() && pair != currentPair_) {
    const int32_t from = LangNumber(PairFrom(pair)), to = LangNumber(PairTo(pair));
    if (from == 0 || to == 0) return;
    SetFromLang(from, to);
    LoadFromDictionaryToList();
    if (currentPair_ != pair) return;
    // The box names the word, as if it had been typed in this pair.
    txtWord_->setText(ToQString(WordBase(store_.GetEntry(position, pair).Word)));
  }
  const int32_t row = words_->RowOfPosition(position);
  if (row < 0) return;
  SelectRow(row);
  lstWords_DblClick();
}

std::shared_ptr<const RowOrder> frmDict::ListOrder() {
  if (!Settings::Instance().SakhaLetters() || !IsSakhaSource(currentPair_)) return nullptr;
  return search_.SakhaOrder(store_, currentPair_);
}

int32_t frmDict::SelectedRow() const {
  const QModelIndexList selected = lstWords_->selectionModel()->selectedIndexes();
  return selected.isEmpty() ? -1 : selected.front().row();
}

void frmDict::SelectRow(int32_t row, Scroll scroll) {
  const QModelIndex index = words_->index(row);
  if (!index.isValid()) return;
  // Seen before the selection moves: making a row current scrolls it into view.
  const bool inSight = lstWords_->viewport()->rect().contains(lstWords_->visualRect(index));
  lstWords_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
  // A visible row leaves the list where it is.
  if (!inSight && scroll == Scroll::ToTop) lstWords_->scrollTo(index, QAbstractItemView::PositionAtTop);
}

void frmDict::cmbFrom_Click() {
  if (InSetFromLang) return;
  SetFromLang(ItemValue(cmbFrom_), 0);
  LoadFromDictionaryToList();
  // Typing goes on in the box, not in the drop-down.
  txtWord_->setFocus();
}

void frmDict::cmbTo_Click() {
  if (InSetFromLang) return;
  SetFromLang(ItemValue(cmbFrom_), ItemValue(cmbTo_));
  LoadFromDictionaryToList();
  txtWord_->setFocus();
}

void frmDict::cmdSwitch_Click() {
  txtWord_->setText(QString());
  txtWord_->setFocus();
  const int32_t from = ItemValue(cmbFrom_);
  // A source without targets has nothing to swap with: it stays the source.
  const int32_t to = ItemValue(cmbTo_);
  SetFromLang(to != 0 ? to : from, from);
  LoadFromDictionaryToList();
}

void frmDict::mnuHelpShortcuts_Click() { ShowNotationHelp(); }

TextBox frmDict::BoxState() const {
  const bool selected = txtWord_->hasSelectedText();
  return {ToU16String(txtWord_->text()), selected ? txtWord_->selectionStart() : txtWord_->cursorPosition(),
          selected ? txtWord_->selectionLength() : 0};
}

SearchResult frmDict::SearchBoxText(const TextBox& box) {
  // The window's box reads real Sakha letters as typed (and shows them).
  return search_.Search(store_, currentPair_, box,
                        {.SakhaLetters = true,
                         .SakhaOrder = Settings::Instance().SakhaLetters(),
                         .TrimSpaces = true,
                         .OtherPairs = true});
}

void frmDict::txtWord_Change() {
  SearchResult step = SearchBoxText(BoxState());
  if (step.rewritten) {
    // The canonical text, shown with real letters while "Якутские буквы" is on.
    const TextBox shown = Settings::Instance().SakhaLetters() ? SakhaLettersShown(step.box) : step.box;
    // The step's text is already settled: writing it must not run this handler again.
    const QSignalBlocker blocker(txtWord_);
    const QString text = ToQString(shown.text);
    if (text != txtWord_->text()) txtWord_->setText(text);
    if (shown.selLength > 0) {
      txtWord_->setSelection(shown.caret, shown.selLength);
    } else {
      txtWord_->setCursorPosition(shown.caret);
    }
  }
  // The list may still show an older pair with fewer rows: select only a row it holds.
  if (step.row >= 0 && step.row < words_->rowCount()) SelectRow(step.row);
  ShowSuggestion(step.text, std::move(step.alternatives));
  // No word begins with the text: the row of the line's best word of this
  // pair is selected, so that Enter and a double-click open what the line shows.
  if (const Alternative* best = suggestLine_->Best(); best != nullptr && best->Pair.empty())
    SelectRow(words_->RowOfPosition(best->Position));
}

void frmDict::ShowSuggestion(const std::u16string& text, std::vector<Alternative> alternatives) {
  suggestLine_->Show(text, std::move(alternatives), IsSakhaSource(currentPair_));
  // A quiet tint while the pair has no word like the text; the inherited colours otherwise.
  const bool tint = suggestLine_->ShowsNoWord();
  if (tint == txtWord_->testAttribute(Qt::WA_SetPalette)) return;
  QPalette palette;
  if (tint) palette.setColor(QPalette::Base, IsDarkPalette(palette) ? kNoWordTintDark : kNoWordTint);
  txtWord_->setPalette(palette);
}

void frmDict::txtWord_KeyDown(int key) {
  switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      // The line's word of another pair has no row here: Enter opens it as F3 does.
      if (const Alternative* best = suggestLine_->Best(); best != nullptr && !best->Pair.empty()) {
        OpenBestAlternative();
      } else {
        lstWords_DblClick();
      }
      break;
    case kAltDown:
      suggestLine_->OpenMenu();
      break;
    case Qt::Key_Up:
    case Qt::Key_Down: {
      const int32_t row =
          ArrowRow(SelectedRow(), words_->rowCount(), key == Qt::Key_Up ? ArrowKey::Up : ArrowKey::Down);
      if (row >= 0) SelectRow(row, Scroll::Step);
      break;
    }
    default:
      break;
  }
}

void frmDict::closeEvent(QCloseEvent* event) {
  // Closing the lookup window, for any reason, ends the program.
  event->accept();
  SaveSettings();
  if (hooks_.endProgram) hooks_.endProgram();
}

void frmDict::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) txtWord_->setFocus();
}

bool frmDict::eventFilter(QObject* watched, QEvent* event) {
  // The list never keeps the focus: it goes straight back to the search box.
  if (watched == lstWords_ && event->type() == QEvent::FocusIn) txtWord_->setFocus();
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace sahdict::ui
