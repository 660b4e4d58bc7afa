// The desktop dictionary: the splash window loads the dictionary from the
// program folder, then the lookup window runs until it is closed.

#include <QApplication>

#include "app/Program.h"
#include "core/dict/DictStore.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  // The program ends when the lookup window closes, not when the splash does.
  QApplication::setQuitOnLastWindowClosed(false);
  sahdict::DictStore store;
  sahdict::app::Program program(store, QCoreApplication::applicationDirPath());
  program.Start();
  return QApplication::exec();
}
