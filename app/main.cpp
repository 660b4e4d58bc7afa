// The desktop dictionary: the splash window loads the dictionary from the
// program folder (or the installed layout and the user's cache folder), then
// the lookup window runs until it is closed. A word on the command line is
// looked up at once; when the program already runs, the word goes to it.

#include <QApplication>
#include <QClipboard>
#include <QStandardPaths>
#include <cstdio>
#include <filesystem>

#include "app/CommandLine.h"
#include "app/IconPicture.h"
#include "app/Program.h"
#include "app/SingleInstance.h"
#include "core/dict/DictStore.h"

namespace {

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

  QApplication app(argc, argv);
  // The cache folder is named after the program: ~/.cache/sahdict.
  QCoreApplication::setApplicationName(QStringLiteral("sahdict"));
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
  const auto folder = [](const QString& path) { return std::filesystem::path(path.toStdU16String()); };
  Program program(store, LocateDictFiles(folder(QCoreApplication::applicationDirPath()),
                                         folder(QStandardPaths::writableLocation(QStandardPaths::CacheLocation))));
  SingleInstance instance(socket);
  QObject::connect(&instance, &SingleInstance::Received, [&program](const Handover& h) {
    program.LookUp(h.word.toStdU16String(), h.pair.toStdU16String());
  });
  instance.Listen();
  if (!handover.word.isEmpty()) program.LookUp(handover.word.toStdU16String(), handover.pair.toStdU16String());
  program.Start();
  return QApplication::exec();
}
