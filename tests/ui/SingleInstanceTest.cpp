// One program per user: `sahdict WORD` started while a program listens hands
// its word over and exits; a socket left by a crashed program is replaced; a
// file at the socket's place that is not this user's socket is left alone.
// The command line's own texts come first.
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include "app/CommandLine.h"
#include "app/SingleInstance.h"

using namespace sahdict::app;

Q_DECLARE_METATYPE(sahdict::app::Handover)

class SingleInstanceTest : public QObject {
  Q_OBJECT

  QTemporaryDir runtime_;

  QString Socket() const { return runtime_.path() + QStringLiteral("/sahdict.socket"); }

  // `sahdict` with `arguments`, the runtime folder pointing at the test's own.
  int RunProgram(const QStringList& arguments) {
    QProcess second;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_.path());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    second.setProcessEnvironment(env);
    second.start(QStringLiteral(SAHDICT_PROGRAM), arguments);
    // The listening side answers from this test's event loop.
    if (!QTest::qWaitFor([&] { return second.state() == QProcess::NotRunning; }, 10000)) {
      second.kill();
      return -1;
    }
    return second.exitStatus() == QProcess::NormalExit ? second.exitCode() : -1;
  }

 private slots:
  void initTestCase() {
    QVERIFY(runtime_.isValid());
    QFile::setPermissions(runtime_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qRegisterMetaType<Handover>();
  }

  void CommandLineTexts() {
    QCOMPARE(ParseCommandLine({"--help"}).action, CommandLine::Action::Help);
    QVERIFY(ParseCommandLine({"--version"}).text.startsWith(QStringLiteral("sahdict 1.")));
    const CommandLine line = ParseCommandLine({"--pair", "SAH-RUS", "уот", "уута"});
    QCOMPARE(line.pair, QStringLiteral("SAH-RUS"));
    QCOMPARE(line.word, QStringLiteral("уот уута"));
    QCOMPARE(ParseCommandLine({"--pair=RSE-SAH"}).pair, QStringLiteral("RSE-SAH"));
    for (const QStringList& bad : {QStringList{"--pair", "XX"}, {"--pair"}, {"--frobnicate"}, {"--selection", "x"}})
      QCOMPARE(ParseCommandLine(bad).action, CommandLine::Action::Error);
    QCOMPARE(ParseCommandLine({"--", "--help"}).word, QStringLiteral("--help"));
  }

  // A second program hands over its word and pair, and exits at once.
  void SecondStartHandsOver() {
    SingleInstance first(Socket());
    QVERIFY(first.Listen());
    QSignalSpy received(&first, &SingleInstance::Received);
    QCOMPARE(RunProgram({"--pair", "SAH-RUS", "уот"}), 0);
    QTRY_COMPARE(received.count(), 1);
    const auto handover = received[0][0].value<Handover>();
    QCOMPARE(handover.pair, QStringLiteral("SAH-RUS"));
    QCOMPARE(handover.word, QStringLiteral("уот"));
  }

  // A crashed program's socket (bound, nobody listening) gives no handover
  // and is replaced by the next program to listen; a file that is no socket
  // of this user is never removed.
  void LeftoversOfACrashAndForeignFiles() {
    const QByteArray path = QFile::encodeName(Socket());
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    qstrncpy(address.sun_path, path.constData(), sizeof address.sun_path);
    QCOMPARE(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    close(fd);
    QVERIFY(!HandOver(Socket(), {{}, QStringLiteral("x")}, 500));
    {
      SingleInstance next(Socket());
      QVERIFY(next.Listen());
      QSignalSpy received(&next, &SingleInstance::Received);
      QCOMPARE(RunProgram({"дом"}), 0);
      QTRY_COMPARE(received.count(), 1);
    }
    QFile::remove(Socket());
    QFile foreign(Socket());
    QVERIFY(foreign.open(QIODevice::WriteOnly));
    foreign.write("notes");
    foreign.close();
    QVERIFY(!SingleInstance(Socket()).Listen());
    QVERIFY(!HandOver(Socket(), {{}, QStringLiteral("x")}, 500));
    QCOMPARE(foreign.size(), 5);
    QFile::remove(Socket());
  }
};

QTEST_MAIN(SingleInstanceTest)
#include "SingleInstanceTest.moc"
