#pragma once
// The verb-forms window: for one typed Sakha verb the main finite forms (tense
// by person, affirmative and negative), the imperative, and the commonest
// participles and converbs, as the morphology model makes them.

#include <QMainWindow>
#include <memory>
#include <string>

class QLineEdit;
class QTableWidget;

namespace sahdict {
class DictStore;
}
namespace sahdict::morph {
class SakhaMorphology;
}

namespace sahdict::ui {

class frmVerbForms : public QMainWindow {
  Q_OBJECT

 public:
  // The model reads the Sakha words of `store`, which outlives the window.
  explicit frmVerbForms(const DictStore& store, QWidget* parent = nullptr);
  ~frmVerbForms() override;

  // The window that is open now, or nullptr.
  static frmVerbForms* LoadedWindow();

  // Puts "бар" into the input and shows the window at its remembered place.
  void Form_Load();
  // Remembers the window's place and size; runs when it closes and when the program ends.
  void SaveSettings();
  // Shows the forms and the typed input with real Sakha letters, or in the notation.
  void SetSakhaLetters(bool on);

  QLineEdit* txtInput() const { return txtInput_; }
  // Columns: what the row is, the affirmative form, the negative form.
  QTableWidget* grdForms() const { return grdForms_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void txtInput_Change();
  // Refills the table for the input.
  void ShowForms();

  QLineEdit* txtInput_ = nullptr;
  QTableWidget* grdForms_ = nullptr;
  bool sakhaLetters_ = false;
  std::unique_ptr<morph::SakhaMorphology> morphology_;
};

}  // namespace sahdict::ui
