#include "app/frmSplash.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <utility>

#include "app/SplashPicture.h"
#include "generated/ProgramIdentity.h"
#include "ui/common/Fonts.h"
#include "ui/common/TextConversion.h"
#include "ui/common/Twips.h"

namespace sahdict::app {
namespace {

constexpr int kStatusHeight = 17;  // one line of Verdana 8.25 pt

}  // namespace

frmSplash::frmSplash(LoadSteps steps)
    : QDialog(nullptr, Qt::Dialog | Qt::FramelessWindowHint), steps_(std::move(steps)) {
  setObjectName(QStringLiteral("frmSplash"));
  setWindowTitle(ui::ToQString(u"Loading - " + kProgramName + u"..."));

  const QPixmap picture = QPixmap::fromImage(DrawSplashPicture());
  img_ = new QLabel(this);
  img_->setObjectName(QStringLiteral("img"));
  img_->setPixmap(picture);
  img_->setGeometry(0, 0, picture.width(), picture.height());
  img_->installEventFilter(this);

  const QColor textColour(0x66, 0x56, 0x3D);
  QPalette palette = this->palette();
  palette.setColor(QPalette::WindowText, textColour);

  lbl_ = new QLabel(this);
  lbl_->setObjectName(QStringLiteral("lbl"));
  lbl_->setFont(ui::VersionFont());
  lbl_->setPalette(palette);
  ui::Place(lbl_, {5160, 120, 2415, 495});

  lblLoad_ = new QLabel(this);
  lblLoad_->setObjectName(QStringLiteral("lblLoad"));
  lblLoad_->setFont(ui::TextFont());
  lblLoad_->setPalette(palette);
  lblLoad_->setAlignment(Qt::AlignCenter);
  lblLoad_->resize(picture.width(), kStatusHeight);

  tmr_ = new QTimer(this);
  tmr_->setObjectName(QStringLiteral("tmr"));
  tmr_->setInterval(500);
  connect(tmr_, &QTimer::timeout, this, &frmSplash::tmr_Timer);
}

void frmSplash::Load() {
  if (loaded_) return;
  loaded_ = true;
  // Every load starts from the design.
  lbl_->setText(QStringLiteral("v1.0 alplha"));
  lblLoad_->setText(QStringLiteral("Загрузка.."));
  img_->setCursor(Qt::WaitCursor);
  tmr_->start();
  Form_Load();
}

void frmSplash::Form_Load() {
  setFixedSize(img_->size());
  lblLoad_->setGeometry(0, height() - lblLoad_->height(), width(), lblLoad_->height());
  if (loadState_ == 0) ShowLoad(u"Loading");
  lbl_->setText(ui::ToQString(u"Version " + VersionNumberText()));
}

void frmSplash::Unload() {
  tmr_->stop();
  loaded_ = false;
  // done() also ends the modal show of the about-picture.
  if (isVisible()) done(QDialog::Accepted);
  hide();
}

void frmSplash::CentreOnScreen() {
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame = frameGeometry();
    frame.moveCenter(screen->geometry().center());
    move(frame.topLeft());
  }
}

void frmSplash::ShowStartup() {
  Load();
  CentreOnScreen();
  show();
}

void frmSplash::ShowLoad(const std::u16string& Caption) {
  Load();
  const QString text = ui::ToQString(u"... " + Caption + u" ...");
  lblLoad_->setText(text);
  emit StatusShown(text);
  QCoreApplication::processEvents();
}

void frmSplash::ShowSplash() {
  Load();
  tmr_->stop();
  loadState_ = 1;
  img_->setCursor(Qt::ArrowCursor);
  lblLoad_->setText(QString());
  CentreOnScreen();
  exec();
}

void frmSplash::tmr_Timer() {
  if (loadState_ == 0) {
    tmr_->stop();
    loadState_ = 2;
    ShowLoad(u"Loading main dictionary");
    const bool ok = steps_.readCompiled ? steps_.readCompiled() : false;
    if (!ok) {
      ShowLoad(u"Rebuilding dictionary");
      if (steps_.rebuild) steps_.rebuild();
    }
    ShowLoad(u"Loading");
    if (steps_.loadLookup) steps_.loadLookup();
    ShowLoad(u"");
    img_->setCursor(Qt::ArrowCursor);
    loadState_ = 1;
  }
  if (loadState_ == 1) Unload();
}

void frmSplash::reject() {
  // Escape closes the about-picture; during start-up it is ignored.
  if (loadState_ == 1 && loaded_) Unload();
}

void frmSplash::closeEvent(QCloseEvent* event) {
  // Start-up cannot be cut short by closing the picture.
  if (loadState_ != 1) {
    event->ignore();
    return;
  }
  if (loaded_) Unload();
  event->accept();
}

bool frmSplash::eventFilter(QObject* watched, QEvent* event) {
  if (watched == img_ && event->type() == QEvent::MouseButtonPress) {
    tmr_Timer();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace sahdict::app
