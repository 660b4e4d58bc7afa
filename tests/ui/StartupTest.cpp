// Start-up and reload against real files in a temporary program folder: the
// splash window's status texts, loading or rebuilding compiled.dict, the two
// failures that must not lose the dictionary, the about-picture and the end of
// the program.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <filesystem>
#include <memory>

#include <sys/stat.h>
#include <unistd.h>

#include "app/DictFiles.h"
#include "app/Program.h"
#include "app/frmSplash.h"
#include "tests/ui/DictTestFiles.h"
#include "ui/common/Settings.h"
#include "ui/common/frmMsg.h"
#include "ui/article/frmWord.h"
#include "ui/lookup/frmDict.h"

using namespace sahdict;
using namespace sahdict::ui;
using namespace sahdict::app;

namespace {

const QString kNotRead = QStringLiteral("Не удалось прочитать словарь default.dict");

QByteArray Contents(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

class StartupTest : public QObject {
  Q_OBJECT

  QTemporaryDir settings_;
  std::unique_ptr<QTemporaryDir> dir_;
  std::unique_ptr<DictStore> store_;
  std::unique_ptr<Program> program_;
  QStringList statuses_;
  QStringList messages_;
  std::function<void()> onMessage_;
  int quits_ = 0;

  QString PathOf(const char* name) const { return dir_->path() + "/" + QString::fromLatin1(name); }
  QListView* List() { return program_->Dict().findChild<QListView*>(QStringLiteral("lstWords")); }
  QString Row(int row) { return List()->model()->index(row, 0).data().toString(); }
  QLabel* Label(const char* name) { return program_->Splash().findChild<QLabel*>(QString::fromLatin1(name)); }

  // A fresh program on the same folder (the next start of the program), or on `paths`.
  void NewProgram(std::optional<DictPaths> paths = {}) {
    program_.reset();
    store_ = std::make_unique<DictStore>();
    program_ = std::make_unique<Program>(*store_, paths.value_or(DictPaths::Beside(dir_->path().toStdU16String())));
    program_->SetQuit([this] { ++quits_; });
    statuses_.clear();
    messages_.clear();
    connect(&program_->Splash(), &frmSplash::StatusShown, this, [this](const QString& text) {
      // The sort's own progress texts depend on how unordered the input is.
      if (!text.startsWith(QStringLiteral("... Rebuilding dictionary - "))) statuses_ << text;
    });
  }
  // Starts the program (on `dict` as default.dict, unless empty) and clicks the
  // picture instead of waiting for the timer.
  void StartAndClick(std::u16string_view dict = {}) {
    if (!dict.empty()) test::WriteDictFile(PathOf("default.dict"), dict);
    program_->Start();
    QVERIFY(program_->Splash().isVisible());
    QTest::mouseClick(Label("img"), Qt::LeftButton);
  }

 private slots:
  void initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    SetMsgHandler([this](const std::u16string& text, const std::u16string&, int16_t) {
      messages_ << QString::fromStdU16String(text);
      if (onMessage_) onMessage_();
    });
  }
  void init() {
    test::FreshSettings(settings_.path());
    // The documented notation; "Якутские буквы" is on by default.
    Settings::Instance().SetSakhaLetters(false);
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    quits_ = 0;
    onMessage_ = nullptr;
    NewProgram();
  }
  void cleanup() {
    program_.reset();
    store_.reset();
  }

  // The splash window as it opens; its timer then starts loading by itself.
  void SplashDesignThenTimer() {
    test::WriteDictFile(PathOf("default.dict"), test::kSampleDict);
    frmSplash& splash = program_->Splash();
    program_->Start();
    QCOMPARE(Label("img")->cursor().shape(), Qt::WaitCursor);
    QCOMPARE(Label("lblLoad")->text(), QStringLiteral("... Loading ..."));
    QCOMPARE(splash.LoadState(), 0);
    QTRY_VERIFY(program_->Dict().isVisible());
    QTRY_VERIFY(!splash.isVisible());
  }

  // No compiled.dict: it is rebuilt from default.dict, and the next start
  // reads it without rebuilding (default.dict is then not needed at all).
  void RebuildThenLoadCompiled() {
    StartAndClick(test::kSampleDict);
    QCOMPARE(statuses_, (QStringList{"... Loading ...", "... Loading main dictionary ...",
                                     "... Rebuilding dictionary ...", "... Loading ...", "...  ..."}));
    QCOMPARE(messages_, QStringList());
    QVERIFY(QFile::exists(PathOf("compiled.dict")));
    QVERIFY(program_->Dict().isVisible());
    QVERIFY(!program_->Splash().isVisible());
    QCOMPARE(program_->Splash().LoadState(), 1);
    QCOMPARE(Label("img")->cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(List()->model()->rowCount(), 9);
    QCOMPARE(List()->selectionModel()->selectedIndexes().value(0).row(), 0);
    const int32_t entries = store_->GetEntryCount();

    QFile::remove(PathOf("default.dict"));
    NewProgram();
    StartAndClick();
    QCOMPARE(statuses_,
             (QStringList{"... Loading ...", "... Loading main dictionary ...", "... Loading ...", "...  ..."}));
    QCOMPARE(store_->GetEntryCount(), entries);
    QCOMPARE(List()->model()->rowCount(), 9);
  }

  // Ticks and clicks that arrive while loading (here: while a message of the
  // reader is open) do nothing.
  void ClicksWhileLoadingDoNothing() {
    int states = 0;
    onMessage_ = [&] {
      states = program_->Splash().LoadState();
      QTest::mouseClick(Label("img"), Qt::LeftButton);
    };
    StartAndClick(u"--languages RUS-SAH\r\n\r\nдом - .дьиэ (сущ.)\r\n\r\nвода (сущ.) - .уу\r\n");
    QCOMPARE(states, 2);
    QCOMPARE(messages_, QStringList{"Ошибка формата в строке  4"});
    QCOMPARE(statuses_.count(QStringLiteral("... Loading main dictionary ...")), 1);
    QVERIFY(program_->Dict().isVisible());
    QCOMPARE(List()->model()->rowCount(), 1);
  }

  // Without default.dict nothing is cached: no compiled.dict appears, one
  // message says why, and the window opens empty. Restoring default.dict
  // brings the words back on the next start.
  void MissingSourceIsNotCached() {
    StartAndClick();
    QCOMPARE(messages_, QStringList{kNotRead});
    QVERIFY(!QFile::exists(PathOf("compiled.dict")));
    QVERIFY(program_->Dict().isVisible());
    QCOMPARE(List()->model()->rowCount(), 0);
    QVERIFY(List()->selectionModel()->selectedIndexes().isEmpty());
    QCOMPARE(store_->GetEntryCount(), 0);

    NewProgram();
    StartAndClick(test::kSampleDict);
    QCOMPARE(messages_, QStringList());
    QCOMPARE(List()->model()->rowCount(), 9);
  }

  // compiled.dict cannot be written (here a folder stands in its place, which
  // also defeats a user who may write anywhere): one message, the dictionary
  // read from default.dict is used, and nothing is left half-written.
  void UnwritableCompiledKeepsTheDictionary() {
    QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("compiled.dict")));
    StartAndClick(test::kSampleDict);
    QCOMPARE(messages_.size(), 1);
    QVERIFY(messages_[0].contains(QStringLiteral("compiled.dict")));
    QVERIFY(messages_[0] != kNotRead);
    QVERIFY(program_->Dict().isVisible());
    QCOMPARE(List()->model()->rowCount(), 9);
    QVERIFY(QFileInfo(PathOf("compiled.dict")).isDir());
    QCOMPARE(QDir(dir_->path()).entryList(QDir::Files), QStringList{"default.dict"});
  }

  // Neither the dictionary's folder nor the cache folder can take
  // compiled.dict (a file stands where the cache folder would be made): the
  // message names the cache folder, and the dictionary read is kept.
  void UnwritableCacheIsNamed() {
    test::WriteDictFile(PathOf("default.dict"), test::kSampleDict);
    QVERIFY(QFile(PathOf("cache")).open(QIODevice::WriteOnly));
    DictPaths paths = DictPaths::Beside(dir_->path().toStdU16String());
    paths.compiled = std::filesystem::path(PathOf("cache").toStdU16String()) / "compiled.dict";
    paths.cached = true;
    DictStore store;
    QStringList shown;
    DictFiles files(store, paths, [&](const std::u16string& text) { shown << QString::fromStdU16String(text); }, {});
    QCOMPARE(files.Rebuild(), DictFiles::Outcome::NotCached);
    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown[0].contains(QStringLiteral("ни в папку словаря, ни в папку кэша ") + PathOf("cache")),
             qPrintable(shown[0]));
    QCOMPARE(store.GetPairCount(u"RUS-SAH"), 9);
  }

  // compiled.dict cut short at any byte (so also one written before it ended
  // with its entry count) counts as absent: the next start rebuilds it from
  // default.dict without a word about the damage.
  void DamagedCompiledIsRebuilt() {
    StartAndClick(test::kSampleDict);
    const QByteArray whole = Contents(PathOf("compiled.dict"));
    QVERIFY(whole.endsWith("\r\n--# entries " + QByteArray::number(store_->GetEntryCount()) + "\r\n"));
    for (qsizetype cut = 0; cut < whole.size(); ++cut) {
      QFile file(PathOf("compiled.dict"));
      QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(whole.left(cut)) == cut);
      file.close();
      DictStore store;
      DictFiles files(store, DictPaths::Beside(dir_->path().toStdU16String()), [&](const std::u16string&) { QFAIL("a message"); }, {});
      QVERIFY2(!files.LoadCompiled(), qPrintable(QString::number(cut)));
    }
    NewProgram();
    StartAndClick();
    QVERIFY(statuses_.contains(QStringLiteral("... Rebuilding dictionary ...")));
    QCOMPARE(messages_, QStringList());
    QCOMPARE(List()->model()->rowCount(), 9);
    const QByteArray rebuilt = Contents(PathOf("compiled.dict"));
    QCOMPARE(rebuilt.mid(rebuilt.indexOf('\n')), whole.mid(whole.indexOf('\n')));  // all but the date
  }

  // compiled.dict belongs to the exact bytes it was made from: a default.dict
  // changed with its size and date kept is compiled again. A temporary file
  // that a killed rebuild left behind is gone after the next start.
  void ChangedSourceWithOldDateIsRebuilt() {
    StartAndClick(u"--languages RUS-SAH\r\n\r\nдом (сущ.) - .дьиэ\r\n");
    const auto source = std::filesystem::path(PathOf("default.dict").toStdU16String());
    const auto date = std::filesystem::last_write_time(source);
    test::WriteDictFile(PathOf("default.dict"), u"--languages RUS-SAH\r\n\r\nсон (сущ.) - .тYYл\r\n");
    std::filesystem::last_write_time(source, date);
    const QString stale = PathOf("compiled.dict.tmp0123456789abcdef");
    QVERIFY(QFile(stale).open(QIODevice::WriteOnly));
    NewProgram();
    StartAndClick();
    QVERIFY(statuses_.contains(QStringLiteral("... Rebuilding dictionary ...")));
    QCOMPARE(Row(0), QStringLiteral("сон"));
    QVERIFY(!QFile::exists(stale));
  }

  // Run as root: files of another user are never written through or trusted.
  // A link planted in a folder everyone may write is left alone (compiled.dict
  // goes to the cache), a link in the cache is replaced rather than followed,
  // a default.dict of another user there is not read, and a data folder of
  // mode 0555 is not written.
  void OtherUsersFilesAreNotTrusted() {
    if (::geteuid() != 0) QSKIP("needs root to give files to another user");
    const std::filesystem::path folder = dir_->path().toStdU16String(), cache = folder / "cache";
    const QString secret = PathOf("secret"), shared = PathOf("shared");
    QVERIFY(QDir().mkpath(shared) && QDir().mkpath(PathOf("cache")) && ::chmod(qPrintable(shared), 01777) == 0);
    test::WriteDictFile(secret, u"secret");
    test::WriteDictFile(shared + "/default.dict", test::kSampleDict);
    QVERIFY(QFile::link(secret, shared + "/compiled.dict") && QFile::link(secret, PathOf("cache/compiled.dict")));
    QVERIFY(::lchown(qPrintable(shared + "/compiled.dict"), 65534, 65534) == 0);
    const DictPaths paths = LocateDictFiles(folder / "shared", cache);
    QVERIFY(paths.cached);
    NewProgram(paths);
    StartAndClick();
    QCOMPARE(List()->model()->rowCount(), 9);
    QCOMPARE(Contents(secret), QByteArray("secret"));
    QVERIFY(QFileInfo(PathOf("cache/compiled.dict")).isFile() && !QFileInfo(PathOf("cache/compiled.dict")).isSymLink());

    QVERIFY(::chown(qPrintable(shared + "/default.dict"), 65534, 65534) == 0);
    NewProgram(LocateDictFiles(folder / "shared", {}));
    StartAndClick();
    QCOMPARE(messages_.size(), 1);
    QVERIFY(messages_[0].startsWith(QStringLiteral("Словарь default.dict не прочитан")));
    QCOMPARE(Contents(secret), QByteArray("secret"));

    QVERIFY(::chmod(qPrintable(shared), 0555) == 0);
    QVERIFY(::chown(qPrintable(shared + "/default.dict"), 0, 0) == 0);
    QVERIFY(LocateDictFiles(folder / "shared", cache).cached);
  }

  // Sources that give nothing to keep, or nothing that can be kept, are not
  // cached: no compiled.dict appears, and the messages say what happened. Of
  // one read's own messages ten are shown, then one counts the rest.
  void HostileSourcesAreNotCached_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<QStringList>("expected");
    const QString noArticle = QString::fromStdU16String(kNoArticleMessage);
    QString dashes = QStringLiteral("--languages RUS-SAH\r\n");
    QStringList errors;
    for (int k = 1; k <= 25; ++k) {
      dashes += QStringLiteral("\r\nслово (сущ.) – .тыл\r\n");
      if (k <= 10) errors << QStringLiteral("Ошибка формата в строке  %1").arg(2 * k + 2);
    }
    QTest::newRow("articles with – for - ")
        << dashes << errors + QStringList{"Остальные сообщения о словаре не показаны (ещё 15).", noArticle};
    QTest::newRow("headers only") << QStringLiteral("--languages RUS-SAH\r\n--encoding WIN\r\n")
                                  << QStringList{noArticle};
    QTest::newRow("lone CR line ends") << QString::fromStdU16String(test::kSampleDict).replace("\r\n", "\r")
                                       << QStringList{"Строка 1 содержит одиночный знак CR (возврат каретки без "
                                                      "перевода строки)",
                                                      "Неправильный язык словаря", noArticle};
    QTest::newRow("a pair the compiled file cannot hold")
        << QStringLiteral("--languages --X\r\n\r\nдом (сущ.) - .дьиэ\r\n")
        << QStringList{"Неправильный язык словаря",
                       "Файл compiled.dict не записан: в словаре есть языковая пара, которая начинается с \"--\" "
                       "(см. строку --languages в default.dict), а такую пару этот файл хранить не может. Словарь "
                       "загружен из default.dict; при следующем запуске он будет собран заново."};
  }
  void HostileSourcesAreNotCached() {
    QFETCH(QString, source);
    QFETCH(QStringList, expected);
    StartAndClick(source.toStdU16String());
    QCOMPARE(messages_, expected);
    QVERIFY(!QFile::exists(PathOf("compiled.dict")));
    QVERIFY(program_->Dict().isVisible());
  }

  // A reload after default.dict was edited: the window is hidden meanwhile and
  // shown again in the same place, with the pair chosen now, an empty search
  // box and the new words. The sort's status texts go to the hidden splash window, and ShowLoad there
  // changes the label without showing it. A reload whose default.dict has gone
  // then keeps the loaded dictionary, and compiled.dict stays as it was.
  void ReloadEditedThenMissingDictionary() {
    StartAndClick(test::kSampleDict);
    frmDict& dict = program_->Dict();
    auto* from = dict.findChild<QComboBox*>(QStringLiteral("cmbFrom"));
    from->setCurrentIndex(2);
    emit from->activated(2);
    dict.findChild<QLineEdit*>(QStringLiteral("txtWord"))->setText(QStringLiteral("ат"));
    test::WriteDictFile(PathOf("default.dict"),
                        u"--languages RUS-SAH\r\n--dicttype NeedSahExtract\r\n\r\n"
                        u"лес (сущ.) - .тыа\r\n\r\nбыстро (нареч.) - .тYргэнник\r\n");
    const QPoint place = dict.pos();
    int statusTexts = 0, shownDuringReload = 0;
    const auto watch = connect(&program_->Splash(), &frmSplash::StatusShown, this, [&] {
      ++statusTexts;
      shownDuringReload += dict.isVisible() || program_->Splash().isVisible();
    });
    dict.DictReload(1);
    disconnect(watch);
    QVERIFY(statusTexts > 0);
    QCOMPARE(shownDuringReload, 0);
    QVERIFY(dict.isVisible());
    QCOMPARE(dict.pos(), place);
    QCOMPARE(QString::fromStdU16String(dict.CurrentPair()), QStringLiteral("SAH-RUS"));
    QVERIFY(dict.findChild<QLineEdit*>(QStringLiteral("txtWord"))->text().isEmpty());
    QCOMPARE(List()->model()->rowCount(), 2);
    QCOMPARE(Row(0), QStringLiteral("тYргэнник (быстро)"));
    QCOMPARE(Row(1), QStringLiteral("тыа (лес)"));

    statuses_.clear();
    program_->Splash().ShowLoad(u"x");
    QCOMPARE(statuses_, QStringList{"... x ..."});
    QCOMPARE(Label("lblLoad")->text(), QStringLiteral("... x ..."));
    QVERIFY(!program_->Splash().isVisible());

    const QByteArray compiled = Contents(PathOf("compiled.dict"));
    QVERIFY(!compiled.isEmpty());
    QFile::remove(PathOf("default.dict"));
    messages_.clear();
    dict.DictReload(1);
    QCOMPARE(messages_, QStringList{kNotRead});
    QVERIFY(dict.isVisible());
    QCOMPARE(List()->model()->rowCount(), 2);
    QCOMPARE(Contents(PathOf("compiled.dict")), compiled);
  }

  // "Заставка": the picture, modal, with the version and an empty status line;
  // a click on it closes it and the lookup window goes on.
  void AboutPicture() {
    StartAndClick(test::kSampleDict);
    statuses_.clear();
    bool seen = false;
    QTimer::singleShot(0, [&] {
      frmSplash& splash = program_->Splash();
      seen = splash.isVisible() && QApplication::activeModalWidget() == &splash && Label("lblLoad")->text().isEmpty() &&
             Label("lbl")->text() == QStringLiteral("Version 1.04 b27") && splash.LoadState() == 1 &&
             Label("img")->cursor().shape() == Qt::ArrowCursor;
      QTest::mouseClick(Label("img"), Qt::LeftButton);
    });
    program_->Dict().findChild<QAction*>(QStringLiteral("mnuHelpSplash"))->trigger();
    QVERIFY(seen);
    QVERIFY(!program_->Splash().isVisible());
    QCOMPARE(statuses_, QStringList());
    QVERIFY(program_->Dict().isVisible());
  }

  // Closing the lookup window, or "Выход", ends the program and every window goes.
  void ClosingEndsTheProgram_data() {
    QTest::addColumn<bool>("byMenu");
    QTest::newRow("close box") << false;
    QTest::newRow("Выход") << true;
  }
  void ClosingEndsTheProgram() {
    QFETCH(bool, byMenu);
    StartAndClick(test::kSampleDict);
    frmDict& dict = program_->Dict();
    dict.lstWords_DblClick();
    QVERIFY(dict.ArticleWindow().isVisible());
    if (byMenu) {
      dict.findChild<QAction*>(QStringLiteral("mnuFileExit"))->trigger();
    } else {
      dict.close();
    }
    QCOMPARE(quits_, 1);
    QVERIFY(program_->Ended());
    QVERIFY(!dict.isVisible());
    QVERIFY(!dict.ArticleWindow().isVisible());
  }
};

QTEST_MAIN(StartupTest)
#include "StartupTest.moc"
