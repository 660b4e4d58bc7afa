// "Поиск по статьям" opened from the lookup window's menu: Sakha and Russian
// forms find the articles holding their word, and a row opens its article.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "core/search/RussianStems.h"
#include "tests/ui/DictTestFiles.h"
#include "ui/article/frmWord.h"
#include "ui/common/Settings.h"
#include "ui/lookup/frmDict.h"
#include "ui/reader/frmSearch.h"

using namespace sahdict;
using namespace sahdict::ui;

class frmSearchTest : public QObject {
  Q_OBJECT

  QTemporaryDir settings_, dir_;
  DictStore store_;
  std::unique_ptr<frmDict> window_;
  frmSearch* search_ = nullptr;

  QLineEdit* Box() { return search_->findChild<QLineEdit*>(QStringLiteral("txtFind")); }
  QListWidget* Rows() { return search_->findChild<QListWidget*>(QStringLiteral("lstFound")); }
  QStringList Shown() {
    QStringList rows;
    for (int i = 0; i < Rows()->count(); ++i) rows << Rows()->item(i)->text();
    return rows;
  }
  // Typed as keys, so the search runs after the pause.
  void Type(const QString& text) {
    Box()->clear();
    for (const QChar c : text)
      QTest::sendKeyEvent(QTest::Click, Box(), static_cast<Qt::Key>(c.toUpper().unicode()), QString(c), Qt::NoModifier);
  }

 private slots:
  void init() {
    QStandardPaths::setTestModeEnabled(true);
    test::FreshSettings(settings_.path());
    Settings::Instance().SetSakhaLetters(false);
    QVERIFY(test::ReadDictText(store_, dir_.path(), test::kSampleDict));
    window_ = std::make_unique<frmDict>(
        store_, DictHooks{{}, {}, {}, (dir_.path() + QStringLiteral("/data")).toStdU16String()});
    window_->Form_Load();
    QAction* item = window_->findChild<QAction*>(QStringLiteral("mnuSearchArticles"));
    QVERIFY(item);
    QCOMPARE(item->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+F")));
    item->trigger();
    search_ = window_->findChild<frmSearch*>();
    QVERIFY(search_ && search_->isVisible() && !search_->isModal());
  }
  void cleanup() { window_.reset(); }

  void SakhaFormFindsItsArticleAndARowOpensIt() {
    // A possessive case form of "дьиэ"; the article holds "дьиэ" and "дьиэм".
    Type(QStringLiteral("дьиэбэр"));
    QTRY_COMPARE(Shown(), QStringList{QStringLiteral("дом — [дьиэ] (мой дом мин дьиэм)")});
    Box()->setText(QStringLiteral("уулар"));
    QTest::keyClick(Box(), Qt::Key_Return);
    QCOMPARE(Shown(), QStringList{QStringLiteral("вода — [уу]")});
    emit Rows()->itemActivated(Rows()->item(0));
    QCOMPARE(window_->ArticleWindow().windowTitle(), QStringLiteral("вода | Korvane - Sah Dictionary"));
    // With "Якутские буквы" on, the snippet's Sakha words show real letters.
    Settings::Instance().SetSakhaLetters(true);
    Box()->setText(QStringLiteral("күннэр"));
    QTest::keyClick(Box(), Qt::Key_Return);
    QCOMPARE(Shown(), QStringList{QStringLiteral("день — [күн]")});
    Box()->setText(QStringLiteral("снег"));
    QTest::keyClick(Box(), Qt::Key_Return);
    QCOMPARE(Rows()->count(), 0);
    QVERIFY(!search_->findChild<QLabel*>(QStringLiteral("lblFound"))->text().isEmpty());
  }

  void RussianFormFindsItsArticle() {
    if (!RussianStemsAvailable()) QSKIP("no Russian spelling dictionary");
    Box()->setText(QStringLiteral("ДОМАМИ"));
    QTest::keyClick(Box(), Qt::Key_Return);
    QCOMPARE(Shown(), QStringList{QStringLiteral("дом — дьиэ (мой [дом] мин дьиэм)")});
    // After the dictionary changed, a row is searched again rather than opened
    // at a position that may name another entry now.
    store_.AddEntry(u"дача", u"дача", u"", u"загородный дом", u"RUS-SAH");
    QTest::keyClick(Rows(), Qt::Key_Return);
    QVERIFY(!window_->ArticleWindow().isVisible());
    QCOMPARE(Rows()->count(), 2);
    QTest::keyClick(Rows(), Qt::Key_Return);
    QCOMPARE(window_->ArticleWindow().windowTitle(), QStringLiteral("дом | Korvane - Sah Dictionary"));
  }
};

QTEST_MAIN(frmSearchTest)
#include "frmSearchTest.moc"
