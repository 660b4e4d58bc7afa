#pragma once
// The splash window: the start-up picture with the version and a status line.
// Its timer (or a click on the picture) starts loading the dictionary; later it
// serves as the about-picture.

#include <QDialog>
#include <cstdint>
#include <functional>
#include <string>

class QLabel;
class QTimer;

namespace sahdict::app {

class frmSplash : public QDialog {
  Q_OBJECT

 public:
  // What loading does, between the status texts the window shows.
  struct LoadSteps {
    std::function<bool()> readCompiled;  // false: the compiled dictionary did not read
    std::function<void()> rebuild;       // rebuild from the source
    std::function<void()> loadLookup;    // load and show the lookup window
  };

  explicit frmSplash(LoadSteps steps);

  // 0 before loading, 2 while loading, 1 when loading is over (or the window
  // serves as the about-picture).
  int32_t LoadState() const { return loadState_; }
  bool IsLoaded() const { return loaded_; }

  // Loads the window and shows it, modeless, at start-up.
  void ShowStartup();
  // Shows "... Caption ..." in the status line, then lets pending window
  // events run. Loads the window when needed; a hidden window stays hidden.
  void ShowLoad(const std::u16string& Caption = {});
  // The about-picture: modal, with an empty status line; a click closes it.
  void ShowSplash();
  // Timer tick and picture click: loads the dictionary once; afterwards (or
  // when already loaded) closes the window. Does nothing while loading.
  void tmr_Timer();

 signals:
  // The status line has just been set to `text`.
  void StatusShown(const QString& text);

 public:
  void reject() override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Load();
  void Form_Load();
  void Unload();
  void CentreOnScreen();

  LoadSteps steps_;
  QLabel* img_;
  QLabel* lbl_;
  QLabel* lblLoad_;
  QTimer* tmr_;
  int32_t loadState_ = 0;
  bool loaded_ = false;
};

}  // namespace sahdict::app
