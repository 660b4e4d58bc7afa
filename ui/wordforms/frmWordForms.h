#pragma once
// The word-forms window: for one typed Sakha word its canonical spelling, the
// possessive forms of six persons, singular and plural, and the eight cases
// for the chosen number and possessor, as the morphology model makes them.

#include <QMainWindow>
#include <array>
#include <cstdint>
#include <memory>
#include <string>

class QLineEdit;
class QRadioButton;
class QGroupBox;
class QFrame;

namespace sahdict {
class DictStore;
}
namespace sahdict::morph {
class SakhaMorphology;
}

namespace sahdict::ui {

class frmWordForms : public QMainWindow {
  Q_OBJECT

 public:
  // The model reads the Sakha words of `store`, which outlives the window.
  explicit frmWordForms(const DictStore& store, QWidget* parent = nullptr);
  ~frmWordForms() override;

  // The window that is open now, or nullptr. A closed window no longer counts,
  // even before Qt has deleted it.
  static frmWordForms* LoadedWindow();

  // Opens the window: shows the notice through Msg (returns when the user has
  // closed it), puts "ат" into the input and shows the window.
  void Form_Load();

  // Recomputes every box for option Index (1..8) and selects that option.
  // Index 0 (nothing selected yet) stores 7 in the caller's variable and
  // selects singular, whose click does the work; other values do nothing.
  void ShowWordForms(int16_t& Index);

  // Shows the form boxes (txtForm) and the case questions with real Sakha
  // letters, or in the notation; with the letters on, real letters typed into
  // the input stay there (the forms are made from their notation).
  void SetSakhaLetters(bool on);
  // Remembers the window's place for the next time it opens; runs when it
  // closes and when the program ends.
  void SaveSettings();

  // txtForm 1..16 and 100; nullptr for other indexes.
  QLineEdit* txtForm(int index) const;
  // optForm 1..8; nullptr for other indexes.
  QRadioButton* optForm(int index) const;
  QLineEdit* txtInput() const { return txtInput_; }

  int16_t CurrentIndex = 0;   // selected option 1..8; 0 until the first selection
  int32_t CurrentNumber = 0;  // 1 singular, 2 plural; 0 until the first selection

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  // The design: one row per control, in creation order (defined with the table).
  struct ControlRow;
  static const ControlRow kControls[];

  void BuildControls();
  // Creates the control of `row` in `parent` and keeps it in its member.
  QWidget* NewControl(const ControlRow& row, QWidget* parent);
  void BuildMenus();

  // The input as the forms are made from it.
  std::u16string TypedInput() const;
  // The case questions, in real letters while "Якутские буквы" is on.
  void ShowCaptions();
  void txtInput_Change();
  void optForm_Click(int16_t Index);
  void txtForm_Click(int16_t Index);
  void mnuHelpShortcuts_Click();
  void mnuHelpAbout_Click();

  // Selecting an option from code raises its Click, as a user's click would;
  // an option that is already selected raises nothing.
  void SelectOption(int16_t index);
  // Clears an option without raising anything.
  void ClearOption(int16_t index);
  void SetBold(int index, bool bold);
  void ShowForm(QLineEdit* box, const std::u16string& text) const;

  QLineEdit* txtInput_ = nullptr;
  QLineEdit* txtForm100_ = nullptr;
  std::array<QLineEdit*, 17> txtForms_{};    // 1..16
  std::array<QRadioButton*, 9> optForms_{};  // 1..8
  QGroupBox* frmNum_ = nullptr;
  QFrame* frame_ = nullptr;
  bool sakhaLetters_ = false;
  std::unique_ptr<morph::SakhaMorphology> morphology_;
};

}  // namespace sahdict::ui
