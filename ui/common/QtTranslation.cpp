#include "ui/common/QtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace sahdict::ui {

bool InstallQtTranslation() {
  // Lives as long as the application: a translator must outlive its installation.
  static QTranslator* const translator = [] {
    auto* t = new QTranslator(QCoreApplication::instance());
    if (!t->load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
      delete t;
      return static_cast<QTranslator*>(nullptr);
    }
    QCoreApplication::installTranslator(t);
    return t;
  }();
  return translator != nullptr;
}

}  // namespace sahdict::ui
