// The desktop dictionary: the splash window loads the dictionary from the
// program folder (or the installed layout and the user's cache folder), then
// the lookup window runs until it is closed. A word on the command line is
// looked up at once; when the program already runs, the word goes to it.

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QStandardPaths>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "app/CommandLine.h"
#include "app/IconPicture.h"
#include "app/Program.h"
#include "app/SingleInstance.h"
#include "core/dict/DictStore.h"
#include "ui/common/QtTranslation.h"

namespace {

// A path from Qt: wide on Windows, the local bytes elsewhere.
std::filesystem::path PathOf(const QString& path) {
#ifdef _WIN32
  return std::filesystem::path(path.toStdU16String());
#else
  return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

// The program's folder as the bytes of its name: a name that is not UTF-8
// (Windows-1251, say) would not survive a round trip through QString.
std::filesystem::path ProgramFolder() {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error && self.has_parent_path()) return self.parent_path();
  return PathOf(QCoreApplication::applicationDirPath());
}

QStringList Arguments(int argc, char* argv[]) {
  QStringList arguments;
  for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  return arguments;
}

// The selected text, or the clipboard's where the desktop has no selection.
QString SelectedText() {
  const QClipboard* clipboard = QGuiApplication::clipboard();
  QString text = clipboard->supportsSelection() ? clipboard->text(QClipboard::Selection) : QString();
  if (text.trimmed().isEmpty()) text = clipboard->text(QClipboard::Clipboard);
  // One word, or the first line of a longer selection.
  return text.trimmed().section(u'\n', 0, 0).trimmed().left(256);
}

}  // namespace

int main(int argc, char* argv[]) {
  using namespace sahdict::app;
  // Help and version need no display: they are answered before any window exists.
  const CommandLine line = ParseCommandLine(Arguments(argc, argv));
  if (line.action != CommandLine::Action::Run) {
    std::fputs(line.text.toLocal8Bit().constData(), line.action == CommandLine::Action::Error ? stderr : stdout);
    return line.action == CommandLine::Action::Error ? 2 : 0;
  }

#ifdef SIGXFSZ
  // A file size limit then fails the write of compiled.dict with a message
  // instead of killing the program.
  std::signal(SIGXFSZ, SIG_IGN);
#endif
  QApplication app(argc, argv);
  // The cache folder is named after the program: ~/.cache/sahdict.
  QCoreApplication::setApplicationName(QStringLiteral("sahdict"));
  sahdict::ui::InstallQtTranslation();
  const Handover handover{line.pair, line.selection ? SelectedText() : line.word};
  // A program already running takes the word and comes to the front.
  const QString socket = InstanceSocketPath();
  if (HandOver(socket, handover)) return 0;

  // The windows carry the program's icon; the desktop matches them to the
  // installed menu entry by its name.
  QApplication::setWindowIcon(ProgramIcon());
  QGuiApplication::setDesktopFileName(QStringLiteral(SAHDICT_APP_ID));
  // The program ends when the lookup window closes, not when the splash does.
  QApplication::setQuitOnLastWindowClosed(false);
  sahdict::DictStore store;
  Program program(store, LocateDictFiles(ProgramFolder(),
                                         PathOf(QStandardPaths::writableLocation(QStandardPaths::CacheLocation))));
  SingleInstance instance(socket);
  QObject::connect(&instance, &SingleInstance::Received, [&program](const Handover& h) {
    program.LookUp(h.word.toStdU16String(), h.pair.toStdU16String());
  });
  instance.Listen();
  if (!handover.word.isEmpty()) program.LookUp(handover.word.toStdU16String(), handover.pair.toStdU16String());
  program.Start();
  return QApplication::exec();
}
