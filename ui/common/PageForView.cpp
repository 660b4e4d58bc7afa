#include "ui/common/PageForView.h"

#include <utility>

#include "core/render/PageTheme.h"
#include "core/text/mdlCommon.h"

namespace sahdict::ui {

std::u16string PageForView(std::u16string page, bool dark) {
  if (dark) page = DarkPage(std::move(page));
  ReplaceAll(page, u"<div style='padding: 0,0,0,20px'>", u"<div style='margin-left:20px'>");
  ReplaceAll(page, u"<font color=# ", u"<font ");
  ReplaceAll(page, u"<font color=#>", u"<font>");
  return page;
}

bool IsDarkPalette(const QPalette& palette) {
  return palette.color(QPalette::WindowText).lightness() > palette.color(QPalette::Window).lightness();
}

}  // namespace sahdict::ui
