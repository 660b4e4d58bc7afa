// The desktop dictionary: the splash window loads the dictionary from the
// program folder (or the installed layout and the user's cache folder), then
// the lookup window runs until it is closed.

#include <QApplication>
#include <QFile>
#include <QStandardPaths>
#include <csignal>
#include <filesystem>
#include <system_error>

#include "app/IconPicture.h"
#include "app/Program.h"
#include "core/dict/DictStore.h"

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

}  // namespace

int main(int argc, char* argv[]) {
#ifdef SIGXFSZ
  // A file size limit then fails the write of compiled.dict with a message
  // instead of killing the program.
  std::signal(SIGXFSZ, SIG_IGN);
#endif
  QApplication app(argc, argv);
  // The cache folder is named after the program: ~/.cache/sahdict.
  QCoreApplication::setApplicationName(QStringLiteral("sahdict"));
  // The windows carry the program's icon; the desktop matches them to the
  // installed menu entry by its name.
  QApplication::setWindowIcon(sahdict::app::ProgramIcon());
  QGuiApplication::setDesktopFileName(QStringLiteral(SAHDICT_APP_ID));
  // The program ends when the lookup window closes, not when the splash does.
  QApplication::setQuitOnLastWindowClosed(false);
  sahdict::DictStore store;
  sahdict::app::Program program(
      store, sahdict::app::LocateDictFiles(ProgramFolder(),
                                           PathOf(QStandardPaths::writableLocation(QStandardPaths::CacheLocation))));
  program.Start();
  return QApplication::exec();
}
