#include "ui/article/frmWord.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QShortcut>
#include <QToolButton>
#include <algorithm>

#include "core/render/ArticleRenderer.h"
#include "ui/common/HtmlView.h"
#include "ui/common/ScreenPlace.h"
#include "ui/common/Settings.h"
#include "ui/common/TextConversion.h"
#include "ui/common/Twips.h"

namespace sahdict::ui {
namespace {

constexpr int kClientWidth = 7245, kClientHeight = 3105;
// The smallest window: client height 2000 twips, outer width 3500 twips.
constexpr int kMinClientHeight = 2000, kMinOuterWidth = 3500;


}  // namespace

frmWord::frmWord() : QWidget(nullptr, Qt::Window) {
  setObjectName(QStringLiteral("frmWord"));
  txt_ = new HtmlView(this);
  txt_->setObjectName(QStringLiteral("txt"));
  txt_->setFrameShape(QFrame::NoFrame);
  Place(txt_, {0, 0, 1575, 1455});
  for (const QKeySequence& keys : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)})
    connect(new QShortcut(keys, this), &QShortcut::activated, this, &QWidget::close);
  // The keyboards' own back and forward keys do the same as Alt+Left and Alt+Right.
  for (const QKeySequence& keys : {QKeySequence(Qt::ALT | Qt::Key_Left), QKeySequence(Qt::Key_Back)})
    connect(new QShortcut(keys, this), &QShortcut::activated, this, &frmWord::GoBack);
  for (const QKeySequence& keys : {QKeySequence(Qt::ALT | Qt::Key_Right), QKeySequence(Qt::Key_Forward)})
    connect(new QShortcut(keys, this), &QShortcut::activated, this, &frmWord::GoForward);
  connect(txt_, &HtmlView::WordClicked, this, &frmWord::FollowWord);
  cmdStar_ = new QToolButton(this);
  cmdStar_->setObjectName(QStringLiteral("cmdStar"));
  cmdStar_->setCheckable(true);
  cmdStar_->setAutoRaise(true);
  cmdStar_->setToolTip(QStringLiteral("В избранное (Ctrl+D)"));
  cmdStar_->setFocusPolicy(Qt::NoFocus);
  connect(cmdStar_, &QToolButton::clicked, this, &frmWord::ToggleFavourite);
  connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_D), this), &QShortcut::activated, this,
          &frmWord::ToggleFavourite);
  txt_->viewport()->installEventFilter(this);
  connect(&Settings::Instance(), &Settings::SakhaLettersChanged, this, &frmWord::Redraw);
  const struct {
    QKeySequence keys;
    int step;  // 0 goes back to the normal size
  } zooms[] = {{QKeySequence::ZoomIn, 1}, {QKeySequence(Qt::CTRL | Qt::Key_Equal), 1}, {QKeySequence::ZoomOut, -1},
               {QKeySequence(Qt::CTRL | Qt::Key_0), 0}};
  for (const auto& zoom : zooms) {
    connect(new QShortcut(zoom.keys, this), &QShortcut::activated, this,
            [this, step = zoom.step] { txt_->SetZoom(step == 0 ? 0 : txt_->Zoom() + step); });
  }
}

void frmWord::EnsureLoaded() {
  if (loaded_) return;
  loaded_ = true;
  const QSize saved = Settings::Instance().ArticleSize();
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QSize room = screen ? screen->availableGeometry().size() : saved;
  // A remembered size larger than the screen is left for the usual one.
  if (saved.isValid() && saved.boundedTo(room) == saved) {
    resize(saved);
  } else {
    resize(Twips(kClientWidth), Twips(kClientHeight));
  }
  txt_->SetZoom(Settings::Instance().ArticleZoom());
  Form_Load();
}

void frmWord::Form_Load() {
  // Both edges are measured from the screen's width.
  const QScreen* screen = QGuiApplication::primaryScreen();
  const int screenWidth = screen ? screen->geometry().width() : 0;
  move(static_cast<int>(screenWidth * 0.05), static_cast<int>(screenWidth * 0.1));
}

void frmWord::SetTitle(const std::u16string& title) {
  EnsureLoaded();
  setWindowTitle(ToQString(title));
}

void frmWord::SetPage(const std::u16string& page) {
  EnsureLoaded();
  txt_->SetPage(page);
}

void frmWord::ShowArticle() {
  EnsureLoaded();
  show();
  raise();
  // A remembered size or the documented place may reach past the screen's edge.
  KeepOnScreen(this);
}

void frmWord::ShowPage(const ArticlePage& page) {
  if (!pages_.empty()) pages_.resize(current_ + 1);
  // Back goes at most this far.
  constexpr size_t kMaxPages = 100;
  if (pages_.size() == kMaxPages) pages_.erase(pages_.begin());
  pages_.push_back(page);
  current_ = pages_.size() - 1;
  EnsureLoaded();
  Redraw();
  ShowArticle();
  if (hooks_.opened) hooks_.opened(page);
}

bool frmWord::GoBack() {
  if (pages_.empty() || current_ == 0) return false;
  --current_;
  Redraw();
  return true;
}

bool frmWord::GoForward() {
  if (current_ + 1 >= pages_.size()) return false;
  ++current_;
  Redraw();
  return true;
}

const ArticlePage* frmWord::CurrentPage() const { return pages_.empty() ? nullptr : &pages_[current_]; }

void frmWord::Redraw() {
  const ArticlePage* page = CurrentPage();
  if (!loaded_ || page == nullptr) return;
  setWindowTitle(ToQString(hooks_.title ? hooks_.title(*page) : page->entry.HeadWord));
  const bool favourite = hooks_.favourite && hooks_.favourite(*page);
  cmdStar_->setVisible(static_cast<bool>(hooks_.toggleFavourite));
  cmdStar_->setChecked(favourite);
  cmdStar_->setText(favourite ? QStringLiteral("★") : QStringLiteral("☆"));
  const RenderOptions options{.SakhaLetters = Settings::Instance().SakhaLetters()};
  txt_->SetPage(RenderArticle(page->entry.HeadWord, page->entry.Note, page->entry.Translation, options));
}

void frmWord::ToggleFavourite() {
  if (const ArticlePage* page = CurrentPage(); page != nullptr && hooks_.toggleFavourite) hooks_.toggleFavourite(*page);
  Redraw();
}

void frmWord::FollowWord(const std::u16string& word, bool sakha) {
  if (!hooks_.follow) return;
  if (const std::optional<ArticlePage> page = hooks_.follow(word, sakha)) ShowPage(*page);
}

bool frmWord::eventFilter(QObject* watched, QEvent* event) {
  if (watched == txt_->viewport() && event->type() == QEvent::MouseButtonPress) {
    const auto button = static_cast<QMouseEvent*>(event)->button();
    if (button == Qt::BackButton || button == Qt::ForwardButton) {
      if (button == Qt::BackButton) {
        GoBack();
      } else {
        GoForward();
      }
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void frmWord::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Form_Resize();
}

void frmWord::Form_Resize() {
  if (isMinimized()) return;
  const int minHeight = TwipsAtLeast(kMinClientHeight);
  const int frameExtra = std::max(0, frameGeometry().width() - width());
  const int minWidth = std::max(0, TwipsAtLeast(kMinOuterWidth) - frameExtra);
  // Telling the window system the limits keeps a drag from going below them;
  // a size that still arrives smaller is snapped back.
  setMinimumSize(minWidth, minHeight);
  if (height() < minHeight || width() < minWidth) {
    resize(std::max(width(), minWidth), std::max(height(), minHeight));
    return;
  }
  txt_->setGeometry(0, 0, width(), height());
  // The star sits in the top right corner, clear of the scroll bar.
  cmdStar_->adjustSize();
  cmdStar_->move(width() - cmdStar_->width() - 24, 4);
  cmdStar_->raise();
}

void frmWord::SaveSettings() {
  Settings::Instance().SetArticle(size(), txt_->Zoom());
}

void frmWord::closeEvent(QCloseEvent* event) {
  // Closing unloads the window: the next article loads and places it again.
  if (loaded_) SaveSettings();
  loaded_ = false;
  QWidget::closeEvent(event);
}

}  // namespace sahdict::ui
