// The desktop dictionary: the splash window loads the dictionary from the
// program folder (or the installed layout and the user's cache folder), then
// the lookup window runs until it is closed.

#include <QApplication>
#include <QStandardPaths>
#include <filesystem>

#include "app/IconPicture.h"
#include "app/Program.h"
#include "core/dict/DictStore.h"
#include "ui/common/QtTranslation.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  // The cache folder is named after the program: ~/.cache/sahdict.
  QCoreApplication::setApplicationName(QStringLiteral("sahdict"));
  sahdict::ui::InstallQtTranslation();
  // The windows carry the program's icon; the desktop matches them to the
  // installed menu entry by its name.
  QApplication::setWindowIcon(sahdict::app::ProgramIcon());
  QGuiApplication::setDesktopFileName(QStringLiteral(SAHDICT_APP_ID));
  // The program ends when the lookup window closes, not when the splash does.
  QApplication::setQuitOnLastWindowClosed(false);
  sahdict::DictStore store;
  const auto folder = [](const QString& path) { return std::filesystem::path(path.toStdU16String()); };
  sahdict::app::Program program(
      store, sahdict::app::LocateDictFiles(folder(QCoreApplication::applicationDirPath()),
                                           folder(QStandardPaths::writableLocation(QStandardPaths::CacheLocation))));
  program.Start();
  return QApplication::exec();
}
