#pragma once
// The running program: its one dictionary store, its dictionary files, the
// start-up sequence and the windows, each created on first use. What it does
// with the files is logged under the category "sahdict.files" (off unless
// QT_LOGGING_RULES turns it on), with every message it shows.

#include <functional>
#include <memory>
#include <string>

#include "app/DictFiles.h"
#include "core/dict/DictStore.h"

namespace sahdict::ui {
class frmDict;
}

namespace sahdict::app {

class frmSplash;

class Program {
 public:
  Program(DictStore& store, DictPaths paths);
  ~Program();

  // Shows the splash window; its timer, or a click on its picture, loads the
  // dictionary and opens the lookup window.
  void Start();

  frmSplash& Splash();
  ui::frmDict& Dict();
  DictFiles& Files();

  // What ending the program does after every window has been hidden; the
  // default leaves the event loop. Tests record the call instead.
  void SetQuit(std::function<void()> quit);
  bool Ended() const { return ended_; }

  // Looks `word` up in `pair` ("" guesses it) and brings the lookup window to
  // the front; before the dictionary has loaded, the last such request waits
  // for the window to open. An empty word only brings the window forward.
  void LookUp(const std::u16string& word, const std::u16string& pair);

 private:
  void EndProgram();

  DictStore& store_;
  std::unique_ptr<DictFiles> files_;
  std::unique_ptr<frmSplash> splash_;
  // Declared after the splash window, so destroyed before it: the lookup
  // window goes first, as it may still own windows that refer to the store.
  std::unique_ptr<ui::frmDict> dict_;
  std::function<void()> quit_;
  bool ended_ = false;
  bool lookupOpen_ = false;
  std::u16string pendingWord_, pendingPair_;
  bool pending_ = false;
};

}  // namespace sahdict::app
