// The "Plugins" menu commands: the language check behind its input box and the
// dictionary statistics, with the message and input boxes answered by the test.
#include <QApplication>
#include <QInputDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <fstream>
#include <vector>

#include "core/dict/DictStore.h"
#include "core/dict/mdlDictParser.h"
#include "core/langcheck/CheckWordLanguage.h"
#include "core/text/Cp1251.h"
#include "ui/article/frmMsg.h"
#include "ui/wordforms/InputBox.h"
#include "ui/wordforms/PluginCommands.h"

using namespace sahdict;
using namespace sahdict::ui;
using namespace Qt::StringLiterals;

namespace {

struct MsgCall {
  QString Text, Caption;
  int Lines;
};

struct InputCall {
  QString Prompt, Title, Default;
};

// Russian headwords only: no extracted entries.
const char16_t kSmallDict[] =
    u"--languages RUS-SAH\r\n"
    u"--encoding WIN\r\n"
    u"\r\n"
    u"дом (сущ.) - .дьиэ\r\n"
    u"\r\n"
    u"вода (сущ.) - .уу\r\n";

// Sakha and extended Russian entries besides the main ones.
const char16_t kExtractDict[] =
    u"--languages RUS-SAH\r\n"
    u"--dicttype NeedSahExtract\r\n"
    u"--dicttype NeedRusExtract\r\n"
    u"\r\n"
    u"вода (сущ.) - .уу\r\n"
    u"\r\n"
    u"огонь (сущ.) - .уот\r\n"
    u"\r\n"
    u"лошадь (сущ.) - .ат\r\n";

}  // namespace

class PluginCommandsTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;
  std::vector<MsgCall> msgs_;
  std::vector<InputCall> inputs_;
  std::u16string answer_;
  MsgHandler previousMsg_;
  InputBoxHandler previousInput_;

  // Writes `text` as a Windows-1251 dictionary file and reads it into `store`.
  bool Load(DictStore& store, const QString& name, const std::u16string& text) {
    const std::string path = dir_.filePath(name).toStdString();
    {
      std::ofstream out(path, std::ios::binary);
      out << EncodeCp1251(text);
    }
    return ReadDictionary(
        store, path, [](const std::u16string& m) { qWarning() << "reader:" << QString::fromStdU16String(m); },
        [](const std::u16string&) {});
  }

 private slots:
  void initTestCase() { QVERIFY(dir_.isValid()); }

  void init() {
    msgs_.clear();
    inputs_.clear();
    previousMsg_ = SetMsgHandler([this](const std::u16string& text, const std::u16string& caption, int16_t lines) {
      msgs_.push_back({QString::fromStdU16String(text), QString::fromStdU16String(caption), lines});
    });
    previousInput_ = SetInputBoxHandler(
        [this](const std::u16string& prompt, const std::u16string& title, const std::u16string& def) {
          inputs_.push_back(
              {QString::fromStdU16String(prompt), QString::fromStdU16String(title), QString::fromStdU16String(def)});
          return answer_;
        });
  }

  void cleanup() {
    SetMsgHandler(previousMsg_);
    SetInputBoxHandler(previousInput_);
  }

  void languageCheck_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("lines");
    QTest::newRow("empty or cancelled") << QString() << u"Слишком коротко!"_s << 1;
    QTest::newRow("normal") << u"вода"_s << u" вода \r\nВероятность того, что это слово русское - "_s << 0;
    QTest::newRow("spaces around") << u"  вода  "_s << u" вода \r\nВероятность того, что это слово русское - "_s << 0;
    // Every pair is unseen in both languages: both products fall to 0.
    QTest::newRow("both scores 0") << u"щщщщщщщщщщщщщщщщщщщщщщщщ"_s << u"Не удается определить!\r\n\r\n"_s << 1;
  }

  void languageCheck() {
    QFETCH(QString, answer);
    QFETCH(QString, start);
    QFETCH(int, lines);
    DictStore store;
    QVERIFY(Load(store, u"extract.dict"_s, kExtractDict));
    answer_ = answer.toStdU16String();

    CheckLanguage(store);

    QCOMPARE(inputs_.size(), size_t{1});
    QCOMPARE(inputs_[0].Prompt, u"Введите слово на русском или якутском языке"_s);
    QCOMPARE(inputs_[0].Title, u"Определение из какого языка слово"_s);
    QCOMPARE(inputs_[0].Default, QString());
    QCOMPARE(msgs_.size(), size_t{1});
    QCOMPARE(msgs_[0].Caption, u"Проверка языка слова"_s);
    QCOMPARE(msgs_[0].Lines, lines);
    QVERIFY2(msgs_[0].Text.startsWith(start), qPrintable(msgs_[0].Text));
    QCOMPARE(msgs_[0].Text, QString::fromStdU16String(CheckWordLanguage(answer_, store).Text));
  }

  void statisticsFollowAReload() {
    DictStore store;
    QVERIFY(Load(store, u"small.dict"_s, kSmallDict));
    ShowDictionaryInfo(store);
    QVERIFY(Load(store, u"extract.dict"_s, kExtractDict));
    ShowDictionaryInfo(store);
    store.ClearDictionary();
    ShowDictionaryInfo(store);

    QCOMPARE(msgs_.size(), size_t{3});
    for (const MsgCall& m : msgs_) {
      QCOMPARE(m.Caption, QString());
      QCOMPARE(m.Lines, 0);
    }
    QCOMPARE(msgs_[0].Text, u"Слов в словаре:\r\nСтатей с языка Русский на Якутский язык - 2 штук"_s);
    QCOMPARE(msgs_[1].Text,
             u"Слов в словаре:"
             u"\r\nСтатей с языка Русский на Якутский язык - 3 штук"
             u"\r\nСтатей с языка Русский (расш.) на Якутский язык - 3 штук"
             u"\r\nСтатей с языка Якутский на Русский язык - 3 штук"_s);
    QCOMPARE(msgs_[2].Text, u"Слов в словаре:"_s);
  }

  // The real dialog, answered by a timer the way a person would.
  void inputBoxDialog_data() {
    QTest::addColumn<bool>("accept");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("result");
    QTest::newRow("accepted") << true << u"дьиэ"_s << u"дьиэ"_s;
    QTest::newRow("cancelled") << false << u"дьиэ"_s << QString();
  }

  void inputBoxDialog() {
    QFETCH(bool, accept);
    QFETCH(QString, typed);
    QFETCH(QString, result);
    SetInputBoxHandler({});
    QString seenTitle, seenPrompt, seenDefault, seenButtons;
    QTimer timer;
    connect(&timer, &QTimer::timeout, this, [&] {
      auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
      if (dialog == nullptr) return;
      timer.stop();
      seenTitle = dialog->windowTitle();
      seenPrompt = dialog->labelText();
      seenDefault = dialog->textValue();
      seenButtons = dialog->okButtonText() + u'|' + dialog->cancelButtonText();
      dialog->setTextValue(typed);
      if (accept) {
        dialog->accept();
      } else {
        dialog->reject();
      }
    });
    timer.start(10);
    const std::u16string got = InputBox(u"Подсказка", u"Заголовок", u"умолч");
    QCOMPARE(QString::fromStdU16String(got), result);
    QCOMPARE(seenTitle, u"Заголовок"_s);
    QCOMPARE(seenPrompt, u"Подсказка"_s);
    QCOMPARE(seenDefault, u"умолч"_s);
    QCOMPARE(seenButtons, u"ОК|Отмена"_s);
  }
};

QTEST_MAIN(PluginCommandsTest)
#include "PluginCommandsTest.moc"
