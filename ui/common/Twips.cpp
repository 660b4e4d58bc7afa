#include "ui/common/Twips.h"

#include <QWidget>

namespace sahdict::ui {

void Place(QWidget* widget, const TwipsRect& rect) {
  widget->setGeometry(Twips(rect.left), Twips(rect.top), Twips(rect.width), Twips(rect.height));
}

}  // namespace sahdict::ui
