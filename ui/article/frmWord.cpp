#include "ui/article/frmWord.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QShortcut>
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

void frmWord::ShowEntry(const std::u16string& title, const DictEntry& entry, const RenderOptions& options) {
  entry_ = entry;
  SetTitle(title);
  SetPage(RenderArticle(entry.HeadWord, entry.Note, entry.Translation, options));
  ShowArticle();
}

void frmWord::Redraw(const std::u16string& title, const RenderOptions& options) {
  if (!loaded_) return;
  setWindowTitle(ToQString(title));
  txt_->SetPage(RenderArticle(entry_.HeadWord, entry_.Note, entry_.Translation, options));
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
