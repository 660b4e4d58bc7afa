// The desktop program's windows over the shared corpus (put beside the program
// as default.dict): switching the language pair, one keystroke in the search
// box, a keystroke that leaves no word beginning with the text (the suggestion
// line searches its alternatives), switching "Якутские буквы" with an article
// open, opening an article, and start-up from an existing compiled.dict (from
// the splash timer's tick to the shown lookup window), and reading a pasted
// text (10,000 words, and 10 MB in steps). Runs offscreen.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

#include "app/Program.h"
#include "app/frmSplash.h"
#include "bench/ProcessorTime.h"
#include "core/search/Gloss.h"
#include "ui/common/frmMsg.h"
#include "ui/article/frmWord.h"
#include "ui/lookup/frmDict.h"
#include "ui/reader/frmReadText.h"

namespace {

using namespace sahdict;
using namespace sahdict::ui;
using namespace sahdict::app;
using sahdict::bench::ThreadMicros;

QTemporaryDir* g_folder = nullptr;
int g_messages = 0;

// One program, started once (which rebuilds compiled.dict from the corpus).
struct Running {
  DictStore store;
  std::unique_ptr<Program> program;

  Running() {
    program = std::make_unique<Program>(store, DictPaths::Beside(g_folder->path().toStdU16String()));
    program->SetQuit([] {});
    program->Start();
    program->Splash().tmr_Timer();
    QApplication::processEvents();
  }
  frmDict& Dict() { return program->Dict(); }
  template <typename T>
  T* Child(const char* name) {
    return Dict().findChild<T*>(QString::fromLatin1(name));
  }
};

// Created on first use; main() destroys it while the application object lives.
std::unique_ptr<Running> g_running;

Running& Shared() {
  if (!g_running) g_running = std::make_unique<Running>();
  return *g_running;
}

void PickSource(Running& r, int row) {
  QComboBox* from = r.Child<QComboBox>("cmbFrom");
  from->setCurrentIndex(row);
  emit from->activated(row);
}

void Press(QWidget* widget, QChar c) {
  QTest::sendKeyEvent(QTest::Click, widget, static_cast<Qt::Key>(c.toUpper().unicode()), QString(c), Qt::NoModifier);
}

double Median(std::vector<double>& values) {
  if (values.empty()) return 0;
  const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
  std::nth_element(values.begin(), middle, values.end());
  return *middle;
}

// Times one step per iteration, events processed (the repaint included), and
// reports the medians of the wall clock and of this thread's processor time.
template <typename Step>
void TimeSteps(benchmark::State& state, Step step) {
  std::vector<double> wall, processor;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    const double startProcessor = ThreadMicros();
    step();
    QApplication::processEvents();
    processor.push_back(ThreadMicros() - startProcessor);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    state.SetIterationTime(took.count());
    wall.push_back(took.count() * 1e6);
  }
  state.counters["median_us"] = Median(wall);
  state.counters["median_cpu_us"] = Median(processor);
}

// Choosing another source: the target list and the word list are rebuilt.
void BM_SwitchPair(benchmark::State& state) {
  Running& r = Shared();
  int row = 0;
  for (auto _ : state) {
    row = row == 0 ? 2 : 0;
    PickSource(r, row);
    QApplication::processEvents();
  }
  PickSource(r, 0);
  state.counters["rows"] = r.Child<QListView>("lstWords")->model()->rowCount();
}
BENCHMARK(BM_SwitchPair)->Unit(benchmark::kMillisecond);

// One keystroke: a letter typed or taken back; the search (and, for a Sakha
// source, the normalisation), the suggestion line and the repaint of the list.
void BM_Keystroke(benchmark::State& state) {
  Running& r = Shared();
  PickSource(r, static_cast<int>(state.range(0)));
  QLineEdit* box = r.Child<QLineEdit>("txtWord");
  const QString letters = state.range(0) == 2 ? QStringLiteral("ат4ыhкуо5с") : QStringLiteral("аботкемдрсн");
  int i = 0;
  TimeSteps(state, [&] {
    if (box->text().size() < 3) {
      Press(box, letters[i++ % letters.size()]);
    } else {
      QTest::keyClick(box, Qt::Key_Backspace);
    }
  });
  PickSource(r, 0);
}
BENCHMARK(BM_Keystroke)->Arg(0)->Arg(2)->ArgName("source")->UseManualTime()->Unit(benchmark::kMicrosecond);

// A keystroke after which no word of the pair begins with the box's text: the
// last letter of a word no entry has is typed and taken back, and the line
// shows alternatives each time (RUS-SAH: a Russian form, SAH-RUS: a Sakha form,
// RSE-SAH: a long misspelling, whose similar words are searched over every word).
void BM_KeystrokeSuggest(benchmark::State& state) {
  Running& r = Shared();
  const int source = static_cast<int>(state.range(0));
  PickSource(r, source);
  QLineEdit* box = r.Child<QLineEdit>("txtWord");
  const QString base = source == 0   ? QStringLiteral("книгам")
                       : source == 2 ? QStringLiteral("дьиэбэ")
                                     : QStringLiteral("предстовлени");
  const QChar last = source == 0 ? u'и' : source == 2 ? u'р' : u'е';
  box->setText(base);
  TimeSteps(state, [&] {
    if (box->text() == base) {
      Press(box, last);
    } else {
      QTest::keyClick(box, Qt::Key_Backspace);
    }
  });
  state.SetLabel(r.Child<QLabel>("lblSuggest")->text().toStdString());
  PickSource(r, 0);
}
BENCHMARK(BM_KeystrokeSuggest)
    ->Arg(0)
    ->Arg(2)
    ->Arg(1)
    ->ArgName("source")
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

// "Вид" → "Якутские буквы" on and off with SAH-RUS listed and an article open:
// the list's rows, the page and the title are redrawn.
void BM_SwitchLetters(benchmark::State& state) {
  Running& r = Shared();
  PickSource(r, 2);
  QLineEdit* box = r.Child<QLineEdit>("txtWord");
  box->setText(QStringLiteral("ньуо"));
  QTest::keyClick(box, Qt::Key_Return);
  QAction* letters = r.Child<QAction>("mnuViewLetters");
  TimeSteps(state, [&] { letters->trigger(); });
  if (letters->isChecked()) letters->trigger();
  state.counters["rows"] = r.Child<QListView>("lstWords")->model()->rowCount();
  PickSource(r, 0);
}
BENCHMARK(BM_SwitchLetters)->UseManualTime()->Unit(benchmark::kMillisecond);

// Enter on a selected row: fetch the entry, render the page, show it.
void BM_OpenArticle(benchmark::State& state) {
  Running& r = Shared();
  PickSource(r, 0);
  QListView* list = r.Child<QListView>("lstWords");
  QLineEdit* box = r.Child<QLineEdit>("txtWord");
  const int rows = list->model()->rowCount();
  int row = 0;
  for (auto _ : state) {
    state.PauseTiming();
    row = (row + 7919) % rows;
    list->selectionModel()->setCurrentIndex(list->model()->index(row, 0), QItemSelectionModel::ClearAndSelect);
    state.ResumeTiming();
    QTest::keyClick(box, Qt::Key_Return);
    QApplication::processEvents();
  }
}
BENCHMARK(BM_OpenArticle)->Unit(benchmark::kMillisecond);

// An article window opened on hostile markup, laid out
// and painted: 20 nested tables, a huge cellpadding, 100,000 nested <b>,
// 10,000 nested lists, a word of a million letters. Each must open in 1 s.
void BM_OpenHostileArticle(benchmark::State& state) {
  const QString pages[] = {QStringLiteral("<table><tr><td>").repeated(20),
                           QStringLiteral("<table cellpadding=100000000><tr><td>x</table>"),
                           QStringLiteral("<b>").repeated(100000), QStringLiteral("<ul><li>").repeated(10000),
                           QString(1000000, u'ы')};
  const std::u16string page = pages[state.range(0)].toStdU16String();
  for (auto _ : state) {
    frmWord window;
    window.SetPage(page);
    window.ShowArticle();
    QApplication::processEvents();
  }
}
BENCHMARK(BM_OpenHostileArticle)->DenseRange(0, 4)->ArgName("page")->Unit(benchmark::kMillisecond);

// A text made of the articles' own text (Russian, and Sakha in the notation),
// RUS-SAH entries in order, the first `words` words (repeated past the end),
// or, with `words` 0, 10 MB of it.
QString ArticleText(const DictStore& store, size_t words) {
  std::u16string text;
  size_t count = 0;
  const int32_t entries = store.GetPairCount(u"RUS-SAH");
  for (int32_t k = 1; words == 0 ? text.size() < 5'000'000 : count < words; k = k % entries + 1) {
    const std::u16string line = store.GetEntry(k, u"RUS-SAH").Translation + u"\n";
    size_t from = 0;
    std::vector<TextWord> found = SplitWords(line, from, words == 0 ? SIZE_MAX : words - count, WordChars::Notation);
    count += found.size();
    text += words == 0 || found.empty() ? line : line.substr(0, found.back().Offset + found.back().Length);
  }
  return QString::fromStdU16String(text);
}

// "Чтение текста": a text pasted into a fresh window (the glosses not yet
// known) until the whole text is glossed and shown. For 10 MB also the longest
// the window went without handling events (one step of the glossing).
void BM_ReadText(benchmark::State& state) {
  Running& r = Shared();
  const QString text = ArticleText(r.store, static_cast<size_t>(state.range(0)));
  double longestStep = 0;
  QString summary;
  for (auto _ : state) {
    state.PauseTiming();
    auto window = std::make_unique<frmReadText>(r.store, nullptr);
    window->show();
    QApplication::processEvents();
    state.ResumeTiming();
    const auto start = std::chrono::steady_clock::now();
    auto last = start;
    window->SetText(text);
    do {
      const auto now = std::chrono::steady_clock::now();
      longestStep = std::max(longestStep, std::chrono::duration<double, std::milli>(now - last).count());
      last = now;
      QApplication::processEvents();
    } while (window->IsGlossing());
    window->View()->repaint();
    state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    summary = window->findChild<QLabel*>(QStringLiteral("lblProgress"))->text();
    state.PauseTiming();
    window.reset();
    state.ResumeTiming();
  }
  state.counters["chars"] = static_cast<double>(text.size());
  state.counters["longest_step_ms"] = longestStep;
  state.SetLabel(summary.toStdString());
}
BENCHMARK(BM_ReadText)
    ->Arg(10000)
    ->Arg(0)
    ->ArgName("words")
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

// A fresh start with compiled.dict present: from the tick of the splash timer
// to the lookup window shown (reading the file, filling the window).
void BM_StartupFromCompiled(benchmark::State& state) {
  Shared();  // makes sure compiled.dict exists
  for (auto _ : state) {
    DictStore store;
    auto program = std::make_unique<Program>(store, DictPaths::Beside(g_folder->path().toStdU16String()));
    program->SetQuit([] {});
    program->Start();
    QApplication::processEvents();
    const auto start = std::chrono::steady_clock::now();
    program->Splash().tmr_Timer();
    QApplication::processEvents();
    const auto end = std::chrono::steady_clock::now();
    if (!program->Dict().isVisible()) state.SkipWithError("the lookup window did not open");
    state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    state.counters["entries"] = store.GetEntryCount();
    program.reset();
  }
}
BENCHMARK(BM_StartupFromCompiled)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  // "Якутские буквы" is switched here: keep the user's own settings out of it.
  QStandardPaths::setTestModeEnabled(true);
  QApplication::setQuitOnLastWindowClosed(false);
  QTemporaryDir folder;
  if (!folder.isValid() || !QFile::copy(QStringLiteral(SAHDICT_CORPUS), folder.path() + "/default.dict")) {
    std::fprintf(stderr, "cannot copy the corpus %s\n", SAHDICT_CORPUS);
    return 1;
  }
  g_folder = &folder;
  SetMsgHandler([](const std::u16string&, const std::u16string&, int16_t) { ++g_messages; });
  // The offscreen platform reports every raise() it cannot do.
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type != QtDebugMsg && !text.contains(QStringLiteral("This plugin does not support")))
      std::fprintf(stderr, "%s\n", qPrintable(text));
  });
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  g_running.reset();
  if (g_messages != 0) std::fprintf(stderr, "%d messages while loading the corpus\n", g_messages);
  return 0;
}
